#include "board/BoardGeometry.h"

namespace ruvo {

int BoardSquare(int player, int position) {
    if (position >= FirstYardSquare) {
        return position;
    }
    if (player == 0) {
        return position;
    }
    if (player >= 1 && player <= 3) {
        if (position >= 52) {
            return position + 6 * player;
        }
        const int square = (position + 13 * player) % 52;
        return square < 0 ? square + 52 : square;
    }
    return 0;
}

const char* InitialPieceSquares(int player) {
    static const char* const initial[4] = {"76,77,78,79", "80,81,82,83", "84,85,86,87",
                                           "88,89,90,91"};
    return (player >= 0 && player <= 3) ? initial[player] : "";
}

} // namespace ruvo
