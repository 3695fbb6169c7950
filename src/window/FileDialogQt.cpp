// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FileDialogQt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace ruvo {

QStringList NameFiltersFor(const std::string& filter) {
    const QStringList parts =
        QString::fromLocal8Bit(filter.data(), static_cast<qsizetype>(filter.size()))
            .split(QChar(u'\0'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
        }
        patterns.removeAll(QString());
        if (patterns.isEmpty()) {
            continue;
        }
        const QString bracketed = u'(' + patterns.join(u' ') + u')';
        if (description.isEmpty()) {
            filters << patterns.join(u' ');
        } else if (description.endsWith(bracketed)) {
            filters << description;
        } else {
            filters << description + u' ' + bracketed;
        }
    }
    return filters;
}

std::string ShowFileDialog(QWidget* owner, const FileDialogRequest& request) {
    QFileDialog dialog(owner, QString::fromStdString(request.title),
                       QFile::decodeName(request.initialDirectory.c_str()));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name may be given in both modes: an open of a missing file is reported by the
    // reader, and a save replaces an existing file without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = NameFiltersFor(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!request.defaultName.empty()) {
        dialog.selectFile(QFile::decodeName(request.defaultName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        return {};
    }
    return QFile::encodeName(QDir::toNativeSeparators(chosen.first())).toStdString();
}

} // namespace ruvo
