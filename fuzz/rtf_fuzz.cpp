// libFuzzer target over the note reader: bytes to model, model to QTextDocument, and the
// writer's promise that what it wrote reads back to the same bytes.

#include "notes/rtfmodel.h"
#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace nookery;

namespace {

RtfLimits fuzzLimits()
{
    // Smaller than a real note's, so each run stays quick.
    RtfLimits limits;
    limits.maxBytes = 1 << 20;
    limits.maxChars = 1 << 16;
    limits.maxParagraphs = 2000;
    return limits;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const RtfLimits limits = fuzzLimits();
    const RtfModel model = parseRtf(bytes, limits);
    if (model.chars > limits.maxChars ||
        static_cast<int>(model.paragraphs.size()) > limits.maxParagraphs)
        std::abort();

    QTextDocument first;
    buildDocument(model, &first);
    const QByteArray written = writeRtf(first);
    QTextDocument second;
    readRtf(written, &second, limits);
    if (writeRtf(second) != written) {
        std::fprintf(stderr, "written bytes did not read back the same\n");
        std::abort();
    }
    return 0;
}
