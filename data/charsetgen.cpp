// Turns a character set text source (data/charsets/*.txt) into the 1568-byte ".pix"
// layout: a hex heading per glyph, then seven rows of five '#' (lit) or '.' (dark) dots.
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr int FirstCode = 0x20;
constexpr int GlyphCount = 224;
constexpr int Rows = 7;

int Fail(const std::string& where, const std::string& message)
{
    std::cerr << where << ": " << message << '\n';
    return 1;
}

std::string Trimmed(std::string line)
{
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.pop_back();
    return line;
}

int HexHeading(const std::string& line)
{
    if (line.size() < 2 || !std::isxdigit(static_cast<unsigned char>(line[0]))
        || !std::isxdigit(static_cast<unsigned char>(line[1])))
        return -1;
    if (line.size() > 2 && !std::isspace(static_cast<unsigned char>(line[2])))
        return -1;
    return std::stoi(line.substr(0, 2), nullptr, 16);
}

} // namespace

int main(int argc, char** argv)
{
    bool complete = false;
    int arg = 1;
    if (arg < argc && std::string(argv[arg]) == "--complete") {
        complete = true;
        ++arg;
    }
    if (argc - arg != 2) {
        std::cerr << "Aufruf: tavolin-charsetgen [--complete] QUELLE.txt ZIEL.pix\n";
        return 2;
    }
    const std::string source = argv[arg];
    const std::string target = argv[arg + 1];

    std::ifstream in(source);
    if (!in)
        return Fail(source, "Datei kann nicht geöffnet werden");

    std::array<unsigned char, GlyphCount * Rows> pix{};
    std::array<bool, GlyphCount> seen{};
    std::string line;
    int lineNo = 0;
    int code = -1;
    int row = Rows;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = source + ":" + std::to_string(lineNo);
        line = Trimmed(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (row < Rows) {
            if (line.size() != 5 || line.find_first_not_of(".#") != std::string::npos)
                return Fail(where, "Punktzeile aus fünf Zeichen '.' oder '#' erwartet");
            unsigned char bits = 0;
            for (int column = 0; column < 5; ++column)
                if (line[static_cast<size_t>(column)] == '#')
                    bits |= static_cast<unsigned char>(0x10 >> column);
            pix[static_cast<size_t>((code - FirstCode) * Rows + row)] = bits;
            ++row;
            continue;
        }
        code = HexHeading(line);
        if (code < FirstCode)
            return Fail(where, "Überschrift mit einem Zeichencode 20 … FF erwartet");
        if (seen[static_cast<size_t>(code - FirstCode)])
            return Fail(where, "Zeichencode doppelt");
        seen[static_cast<size_t>(code - FirstCode)] = true;
        row = 0;
    }
    if (row < Rows)
        return Fail(source, "das letzte Zeichen hat keine sieben Punktzeilen");
    if (complete)
        for (int n = 0; n < GlyphCount; ++n)
            if (!seen[static_cast<size_t>(n)]) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02X", n + FirstCode);
                return Fail(source, std::string("Zeichencode ") + hex + " fehlt");
            }

    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(pix.data()), static_cast<std::streamsize>(pix.size()));
    if (!out.flush())
        return Fail(target, "Datei kann nicht geschrieben werden");
    return 0;
}
