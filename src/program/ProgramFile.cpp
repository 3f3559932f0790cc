#include "program/ProgramFile.h"

#include "program/ProgramMistake.h"
#include "win/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace {

// The context this file's texts are translated in.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ProgramFile)
};

} // namespace

ProgramFileText ReadProgramFile(const QString& path)
{
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Texts::tr("Nie udało się otworzyć pliku %1.").arg(shown)};
    if (file.size() > kMaxProgramFileBytes)
        return {{}, Texts::tr("Plik %1 jest za duży, by był programem żółwia.").arg(shown)};
    const QByteArray bytes = file.read(kMaxProgramFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxProgramFileBytes)
        return {{}, Texts::tr("Nie udało się przeczytać pliku %1.").arg(shown)};
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar::Null))
        return {{}, MistakeSentence::NotText()};
    return {std::move(text), {}};
}

QString WriteProgramFile(const QString& path, const QString& text)
{
    if (const int error = win::WriteWholeFile(path, text.toUtf8()))
        return Texts::tr("Nie udało się zapisać programu w pliku %1: %2. Plik pozostał bez zmian.")
            .arg(QDir::toNativeSeparators(path), win::WriteErrorText(error));
    return {};
}
