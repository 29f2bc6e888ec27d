// glyph_reader SHOT SX SY [--count] [--fire]
//
// Reads a screenshot of the game whose stage drawing area starts at screen (SX, SY). Prints one line
// "lane y character score" for every red character it recognises in the lanes (y is the stage row where
// the character's ink starts, score from 0 to 1), lowest on the stage first. With --count it also prints
// "count N score" for the number the practice-count read-out shows ("count - 0" when it shows none), and
// with --fire "fire N" for the number of pixels in explosion colours on the stage.
// Run it with QT_QPA_PLATFORM=offscreen.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QStringList>

#include "tests/e2e/glyph_reader/fire_pixels.h"
#include "tests/e2e/glyph_reader/glyph_matcher.h"
#include "tests/e2e/glyph_reader/letter_glyphs.h"
#include "tests/e2e/glyph_reader/readout_reader.h"
#include "tests/e2e/glyph_reader/red_letters.h"
#include "ui/font_substitution.h"

namespace {

constexpr int kMinBlobPixels = 20; // smaller red dots are bits of pictures, never a whole character
constexpr double kMinScore = 0.5;
const QRect kPracticeCountBox(593, 72, 80, 24); // 标签_练习字数, in client coordinates
const QPoint kClientToStage(1, 1); // the stage's border is the client's top-left pixel

struct Recognised {
    int lane = 0;
    int y = 0;
    glyph_reader::GlyphMatch match;
};

std::vector<Recognised> recogniseLetters(const QImage& shot, QPoint stage)
{
    const auto glyphs = glyph_reader::letterGlyphs();
    std::vector<Recognised> found;
    for (const auto& blob : glyph_reader::findRedBlobs(shot, stage, kMinBlobPixels)) {
        const auto match = glyph_reader::matchGlyph(blob.ink, glyphs);
        if (match.score >= kMinScore)
            found.push_back({blob.lane, blob.topLeft.y(), match});
    }
    std::sort(found.begin(), found.end(), [](const Recognised& a, const Recognised& b) { return a.y > b.y; });
    return found;
}

void printPracticeCount(const QImage& shot, QPoint stage)
{
    const QRect box = kPracticeCountBox.translated(stage - kClientToStage);
    const auto reading = glyph_reader::readNumber(shot, box, ui::defaultGuiFont());
    if (reading)
        std::printf("count %s %.3f\n", qPrintable(reading->text), reading->score);
    else
        std::printf("count - 0\n");
}

struct Options {
    QString shot;
    QPoint stage;
    bool count = false;
    bool fire = false;
};

std::optional<Options> parseOptions(const QStringList& args)
{
    if (args.size() < 4)
        return std::nullopt;
    Options options;
    bool xOk = false, yOk = false;
    options.shot = args[1];
    options.stage = {args[2].toInt(&xOk), args[3].toInt(&yOk)};
    for (const QString& flag : args.mid(4)) {
        if (flag == QStringLiteral("--count"))
            options.count = true;
        else if (flag == QStringLiteral("--fire"))
            options.fire = true;
        else
            return std::nullopt;
    }
    return xOk && yOk ? std::optional(options) : std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    const auto options = parseOptions(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: glyph_reader SHOT SX SY [--count] [--fire]\n");
        return 2;
    }
    const QImage shot = QImage(options->shot).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) {
        std::fprintf(stderr, "glyph_reader: cannot read %s\n", qPrintable(options->shot));
        return 2;
    }
    for (const Recognised& r : recogniseLetters(shot, options->stage))
        std::printf("%d %d %c %.3f\n", r.lane, r.y, r.match.character, r.match.score);
    if (options->count)
        printPracticeCount(shot, options->stage);
    if (options->fire)
        std::printf("fire %d\n", glyph_reader::countFirePixels(shot, options->stage));
    return 0;
}
