// The engine library inside a running application (offscreen platform): what attaching a skin does to
// the windows, and that a skin it refuses changes nothing.
#include "skin/attach_result.h"
#include "skin/frame_painter.h"
#include "skin/skin_format.h"
#include "skin/skin_payload.h"
#include "tests/skin/temporary_directory.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

namespace {

using skin::AttachResult;
using AttachEntry = std::int32_t(const char*, const char*);

constexpr QSize kWindowSize(690, 534);

skin::Skin shippedSkin() { return *skin::parseSkin(skin::skinFileData(), "").skin; }

// The host's side: a fixed-size window whose controls live in one client widget placed by a
// zero-margin layout inside the window's contents margins.
struct HostWindow {
    QWidget window;
    QWidget* client = nullptr;

    HostWindow()
    {
        window.setWindowTitle(QStringLiteral("Zorvane"));
        window.setFixedSize(kWindowSize);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        client = new QWidget(&window);
        layout->addWidget(client);
    }
};

class SkinEngine : public testing::Test {
protected:
    void SetUp() override
    {
        m_library = ::dlopen(JEDATA_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_library, nullptr) << ::dlerror();
        m_attach = reinterpret_cast<AttachEntry*>(::dlsym(m_library, "attachSkinEx"));
        ASSERT_NE(m_attach, nullptr);
    }
    void TearDown() override { unload(); }

    void unload()
    {
        if (m_library)
            ::dlclose(m_library);
        m_library = nullptr;
    }

    AttachResult attachFile(const std::vector<unsigned char>& bytes, const char* password = "")
    {
        const std::string path = m_dir.file("皮肤.she");
        writeBytes(path, bytes);
        return AttachResult(m_attach(path.c_str(), password));
    }

    AttachResult attachShipped()
    {
        const auto bytes = skin::skinFileData();
        return attachFile({bytes.begin(), bytes.end()});
    }

    static void click(QWidget& window, QPoint at, QPoint releaseAt)
    {
        const QPointF global = window.mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &press);
        const QPointF releaseGlobal = window.mapToGlobal(QPointF(releaseAt));
        QMouseEvent move(QEvent::MouseMove, QPointF(releaseAt), releaseGlobal, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &move);
        QMouseEvent release(
            QEvent::MouseButtonRelease, QPointF(releaseAt), releaseGlobal, Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(&window, &release);
    }

    TemporaryDirectory m_dir;
    void* m_library = nullptr;
    AttachEntry* m_attach = nullptr;
};

TEST_F(SkinEngine, ShippedSkinMakesTheWindowFramelessAtItsSizeWithTheSkinsFrame)
{
    HostWindow host;
    ASSERT_EQ(attachShipped(), AttachResult::Attached);
    host.window.show();
    QApplication::processEvents();

    const auto metrics = shippedSkin().metrics;
    EXPECT_TRUE(host.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(host.window.windowType(), Qt::Window);
    EXPECT_EQ(host.window.size(), kWindowSize);
    EXPECT_EQ(host.window.contentsMargins(),
        QMargins(
            metrics.borderLeft, metrics.borderTop + metrics.captionHeight, metrics.borderRight, metrics.borderBottom));
    EXPECT_EQ(host.client->geometry(), host.window.contentsRect());
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).rgba(), shippedSkin().colour(skin::ColourRole::Window));

    // The caption is painted in the caption's colours, between its top and bottom colour.
    const QImage shot = host.window.grab().toImage();
    const QColor caption = shot.pixelColor(kWindowSize.width() / 2, metrics.captionHeight / 2);
    const QColor bottom = QColor::fromRgba(shippedSkin().colour(skin::ColourRole::CaptionBottom));
    EXPECT_LT(std::abs(caption.blue() - bottom.blue()), 48);
    EXPECT_LT(caption.red(), caption.blue());
}

TEST_F(SkinEngine, RefusedSkinChangesNothing)
{
    HostWindow host;
    const QPalette palette = QApplication::palette();
    auto protectedSkin = shippedSkin();
    protectedSkin.lock = skin::lockWithPassword("pw", {});
    auto damaged = skin::writeSkin(shippedSkin());
    damaged[damaged.size() / 2] ^= 0x40;
    auto badMagic = skin::writeSkin(shippedSkin());
    badMagic[0] = 'X';

    EXPECT_EQ(AttachResult(m_attach(m_dir.file("missing.she").c_str(), "")), AttachResult::UnreadableFile);
    EXPECT_EQ(AttachResult(m_attach(m_dir.path().c_str(), "")), AttachResult::UnreadableFile);
    EXPECT_EQ(AttachResult(m_attach(nullptr, "")), AttachResult::UnreadableFile);
    EXPECT_EQ(attachFile(badMagic), AttachResult::BadMagic);
    EXPECT_EQ(attachFile(damaged), AttachResult::DamagedContent);
    EXPECT_EQ(attachFile(skin::writeSkin(protectedSkin), ""), AttachResult::WrongPassword);

    host.window.show();
    QApplication::processEvents();
    EXPECT_FALSE(host.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(host.window.contentsMargins(), QMargins());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(QApplication::palette(), palette);
}

TEST_F(SkinEngine, ProtectedSkinAttachesWithItsPassword)
{
    auto protectedSkin = shippedSkin();
    protectedSkin.lock = skin::lockWithPassword("pw", {});
    EXPECT_EQ(attachFile(skin::writeSkin(protectedSkin), "pw"), AttachResult::Attached);
}

TEST_F(SkinEngine, WindowsShownLaterAreDecoratedButPopupsAreNot)
{
    ASSERT_EQ(attachShipped(), AttachResult::Attached);
    HostWindow later;
    later.window.show();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zorvane"), QStringLiteral("Done"), QMessageBox::Ok);
    box.show();
    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_TRUE(later.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(later.window.size(), kWindowSize);
    EXPECT_GT(later.window.contentsMargins().top(), 0);
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_GT(box.contentsMargins().top(), 0);
    EXPECT_FALSE(menu.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(menu.contentsMargins().top(), 0);
}

TEST_F(SkinEngine, CaptionButtonsMinimiseAndCloseWhenReleasedOverThemselves)
{
    HostWindow host;
    ASSERT_EQ(attachShipped(), AttachResult::Attached);
    host.window.show();
    QApplication::processEvents();
    const auto layout = skin::captionLayout(shippedSkin().metrics, host.window.width());

    click(host.window, layout.close.center(), layout.title.center()); // pressed, then moved away
    EXPECT_TRUE(host.window.isVisible());
    click(host.window, layout.minimise.center(), layout.minimise.center());
    EXPECT_TRUE(host.window.isMinimized());
    host.window.showNormal();
    click(host.window, layout.close.center(), layout.close.center());
    EXPECT_FALSE(host.window.isVisible());
}

TEST_F(SkinEngine, DraggingTheCaptionMovesTheWindow)
{
    HostWindow host;
    ASSERT_EQ(attachShipped(), AttachResult::Attached);
    host.window.move(100, 100);
    host.window.show();
    QApplication::processEvents();
    const QPoint before = host.window.pos();
    const QPoint grip = skin::captionLayout(shippedSkin().metrics, host.window.width()).title.center();
    click(host.window, grip, grip + QPoint(40, 25));
    EXPECT_EQ(host.window.pos(), before + QPoint(40, 25));
}

TEST_F(SkinEngine, UnloadingTheLibraryLeavesTheApplicationWorking)
{
    HostWindow host;
    ASSERT_EQ(attachShipped(), AttachResult::Attached);
    host.window.show();
    QApplication::processEvents();
    unload();
    HostWindow later;
    later.window.show();
    host.window.repaint();
    QApplication::processEvents();
    EXPECT_FALSE(later.window.windowFlags().testFlag(Qt::FramelessWindowHint));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
