// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the dice come from: one draw is a value 1..6.

namespace ruvo {

class DiceSource {
public:
    virtual ~DiceSource() = default;
    virtual int draw() = 0;
};

} // namespace ruvo
