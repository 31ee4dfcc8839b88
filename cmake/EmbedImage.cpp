// Build step: decodes an image and writes a C++ source that holds its pixels,
// so that the program shows it without reading a file or loading an image
// plug-in. embed_image <image> <output.cpp> <name>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: embed_image <image> <output.cpp> <name>\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    QImage image(input);
    if (image.isNull()) {
        std::fprintf(stderr, "embed_image: cannot read %s\n", argv[1]);
        return 1;
    }
    // The formats a raster pixmap keeps as they are.
    const bool alpha = image.hasAlphaChannel();
    image = image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);

    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "embed_image: cannot write %s\n", argv[2]);
        return 1;
    }
    QTextStream out(&file);
    out << "// The pixels of " << QFileInfo(input).fileName() << ", written by the build: do not edit.\n"
        << "#include \"app/Pictures.h\"\n\n"
        << "namespace ombrana::pictures {\nnamespace {\n\n"
        << "constexpr std::uint32_t kData[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((y * image.width() + x) % 8 == 0) out << "\n   ";
            out << " 0x" << QString::number(line[x], 16).rightJustified(8, QLatin1Char('0')) << "u,";
        }
    }
    out << "\n};\n\n}  // namespace\n\n"
        << "extern const Pixels " << argv[3] << "{.width = " << image.width() << ", .height = " << image.height()
        << ", .alpha = " << (alpha ? "true" : "false") << ", .data = kData};\n\n"
        << "}  // namespace ombrana::pictures\n";
    out.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
