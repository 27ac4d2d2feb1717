// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual page and the shell completions of the command line: tavrin-command-docs OUTPUT_FOLDER.
#include "cli/CommandDocs.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "tavrin-command-docs: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: tavrin-command-docs OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using namespace tavrin::commanddocs;
    const bool ok = writeText(folder.filePath(QStringLiteral("tavrin.1")), manualPage()) &&
                    writeText(folder.filePath(QStringLiteral("tavrin.bash")), bashCompletion()) &&
                    writeText(folder.filePath(QStringLiteral("_tavrin")), zshCompletion());
    return ok ? 0 : 1;
}
