// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every file of a target's corpus through its entry, without
// fuzzing, so that an input that once crashed keeps being tried. Also checks
// that the in-memory line cutting the targets use matches the file readers.
//
//   zefirant_fuzz_replay TARGET CORPUS_FOLDER

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TARGET CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const zef::fuzz::Target* target = zef::fuzz::findTarget(argv[1]);
    if (target == nullptr) {
        std::fprintf(stderr, "unknown target %s\n", argv[1]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no corpus files in %s\n", argv[2]);
        return 1;
    }
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        std::vector<std::string> streamed;
        zef::LineReader reader(path);
        for (std::string line; reader.next(line);)
            streamed.push_back(line);
        if (zef::splitLines(view, zef::LineEnds::AlsoCrAlone) != zef::readLines(path) ||
            zef::splitLines(view, zef::LineEnds::LfOnly) != streamed) {
            std::fprintf(stderr, "%s: lines cut unlike the file reader\n", qPrintable(name));
            return 1;
        }
        std::fprintf(stderr, "%s\n", qPrintable(name));
        target->entry(view);
    }
    std::printf("%lld inputs replayed through %s\n", static_cast<long long>(names.size()), argv[1]);
    return 0;
}
