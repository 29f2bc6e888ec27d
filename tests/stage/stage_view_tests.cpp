// The stage's widget: border, white drawing area, sprites at their place and clipped, crisp at a device pixel
// ratio of 2, repaints only after changes, key presses handed on; and the Qt text rasteriser.
#include "ui/stage_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include "stage/text_image.h"
#include "stage_fixture.h"
#include "ui/qt_text_rasterizer.h"

namespace stagetest {
namespace {

const QRgb kBorder = qRgb(64, 64, 64);
const QRgb kPaper = qRgb(255, 255, 255);
const QRgb kInk = qRgb(255, 0, 0);

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class StageViewTest : public StageTest {
protected:
    StageViewTest() { view.setStage(&stage); }

    QImage picture() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    ui::StageView view;
};

TEST_F(StageViewTest, DrawingAreaIsWhiteInsideAOnePixelBorder)
{
    const QImage image = picture();
    ASSERT_EQ(image.size(), QSize(512, 512));
    for (QPoint p : {QPoint(0, 0), QPoint(511, 0), QPoint(0, 300), QPoint(511, 511), QPoint(200, 511)})
        EXPECT_EQ(image.pixel(p), kBorder) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(510, 1), QPoint(256, 256), QPoint(510, 510), QPoint(1, 510)})
        EXPECT_EQ(image.pixel(p), kPaper) << p.x() << "," << p.y();
}

// Stage (0, 0) is widget (1, 1); transparent pixels and hidden sprites leave the paper white.
TEST_F(StageViewTest, SpritesAppearAtTheirStagePositionInsideTheBorder)
{
    GifImage framed {0, 0, 10, 10, std::vector<std::uint8_t>(100, 1), 0};
    framed.indices[0] = 0; // a transparent top-left pixel
    stage::SpriteTemplate tmpl;
    tmpl.picture = keep(buildGif(10, 10, {framed}));
    stage.createSprite(tmpl, 20, 30, true);
    stage.createSprite(tmpl, 100, 100, false);
    const QImage image = picture();
    EXPECT_EQ(image.pixel(21, 31), kPaper);
    EXPECT_EQ(image.pixel(22, 31), kInk);
    EXPECT_EQ(image.pixel(30, 40), kInk);
    EXPECT_EQ(image.pixel(31, 40), kPaper);
    EXPECT_EQ(image.pixel(30, 41), kPaper);
    EXPECT_EQ(image.pixel(105, 105), kPaper);
}

TEST_F(StageViewTest, SpritesAreClippedToTheDrawingArea)
{
    block(10, 10, 505, -5);
    block(10, 10, -5, 505);
    const QImage image = picture();
    EXPECT_EQ(image.pixel(510, 1), kInk);
    EXPECT_EQ(image.pixel(511, 1), kBorder);
    EXPECT_EQ(image.pixel(510, 0), kBorder);
    EXPECT_EQ(image.pixel(1, 510), kInk);
    EXPECT_EQ(image.pixel(0, 510), kBorder);
    EXPECT_EQ(image.pixel(1, 511), kBorder);
}

// At twice the pixel density a picture pixel becomes a sharp 2 x 2 block: no blended colours at its edges.
TEST_F(StageViewTest, PicturesStayCrispAtDevicePixelRatioTwo)
{
    block(3, 3, 10, 10);
    QImage image(1024, 1024, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    view.render(&image);
    for (int y = 16; y < 34; ++y)
        for (int x = 16; x < 34; ++x) {
            const bool inside = x >= 22 && x < 28 && y >= 22 && y < 28;
            ASSERT_EQ(image.pixel(x, y), inside ? kInk : kPaper) << x << "," << y;
        }
}

TEST_F(StageViewTest, RepaintsOnlyWhenTheStageChanged)
{
    PaintCounter counter;
    view.installEventFilter(&counter);
    view.show();
    QApplication::processEvents();
    const int afterShow = counter.paints;
    view.stageChanged();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, afterShow);

    const SpriteId id = block(5, 5, 0, 0);
    view.stageChanged();
    view.stageChanged();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, afterShow + 1);
    stage.moveSprite(id, 0.5, 0.5, false); // inside the same pixels
    view.stageChanged();
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, afterShow + 1);
}

TEST_F(StageViewTest, TakesTheFocusAndHandsOnKeysButNotTabOrEsc)
{
    EXPECT_EQ(view.focusPolicy(), Qt::StrongFocus);
    std::vector<std::pair<int, bool>> seen;
    QObject::connect(
        &view, &ui::StageView::keyDown, [&](QKeyEvent* e) { seen.emplace_back(e->key(), e->isAutoRepeat()); });
    for (auto [key, repeat] : {std::pair {Qt::Key_K, false}, {Qt::Key_K, true}, {Qt::Key_Tab, false},
             {Qt::Key_Escape, false}, {Qt::Key_7, false}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(&view, &press);
    }
    const std::vector<std::pair<int, bool>> expected = {{Qt::Key_K, false}, {Qt::Key_K, true}, {Qt::Key_7, false}};
    EXPECT_EQ(seen, expected);
}

TEST(QtTextRasterizer, MeasuresWithTheFontMetricsAndDrawsHardInk)
{
    ui::QtTextRasterizer rasterizer;
    const stage::Font font {"DejaVu Sans", 29, 400, 0};
    const stage::InkLine a = rasterizer.drawLine("A", font);
    QFont qfont("DejaVu Sans");
    qfont.setPixelSize(29);
    const QFontMetrics metrics(qfont);
    EXPECT_EQ(a.width, metrics.horizontalAdvance("A"));
    EXPECT_EQ(a.height, metrics.height());
    ASSERT_EQ(a.ink.size(), static_cast<std::size_t>(a.width * a.height));
    const auto inked = std::count(a.ink.begin(), a.ink.end(), 1);
    EXPECT_GT(inked, 40);
    EXPECT_EQ(inked + std::count(a.ink.begin(), a.ink.end(), 0), static_cast<long>(a.ink.size()));

    const stage::InkLine space = rasterizer.drawLine(" ", font);
    EXPECT_EQ(std::count(space.ink.begin(), space.ink.end(), 1), 0);
    EXPECT_EQ(rasterizer.drawLine("", std::nullopt).height, QFontMetrics(QApplication::font()).height());
}

// Without antialiasing a text sprite has only ink in the text colour and transparent ground.
TEST(QtTextRasterizer, TextSpriteHasOnlyTheTextColour)
{
    ui::QtTextRasterizer rasterizer;
    const stage::Image image
        = stage::renderTextImage("W\n8", stage::Font {"Arial Black", 29, 400, 0}, stage::rgb(255, 0, 0), rasterizer);
    ASSERT_FALSE(image.isEmpty());
    int ink = 0;
    for (std::uint32_t pixel : image.pixels) {
        EXPECT_TRUE(pixel == 0 || pixel == 0xFFFF0000u);
        ink += pixel != 0 ? 1 : 0;
    }
    EXPECT_GT(ink, 100);
}

} // namespace
} // namespace stagetest

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
