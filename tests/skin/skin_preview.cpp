// Draws a window laid out like the main window, attaches a skin through the engine library and saves
// pictures of it, to look at the skin:  skin_preview <jedata.dll> <skin.she> <window.png> [<message.png>]
// With SKIN_PREVIEW_HOLD_MS set, the window then stays on the screen that long, for a screenshot of the
// whole display (Xvfb).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>

namespace {

QIcon drawnIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 200, 60));
    painter.setPen(QPen(QColor(120, 70, 0), 2));
    painter.drawEllipse(3, 3, 26, 26);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, "Z");
    return QIcon(pixmap);
}

template<typename Widget> Widget* place(QWidget* parent, const char* name, QRect box, const QString& text = {})
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(box);
    if constexpr (requires { widget->setText(text); })
        widget->setText(text);
    return widget;
}

void addLabel(QWidget* client, const char* name, QRect box, const char* text, int pixelSize)
{
    auto* label = place<QLabel>(client, name, box, QString::fromUtf8(text));
    label->setAutoFillBackground(true);
    if (pixelSize > 0) {
        QFont font(QStringLiteral("WenQuanYi Micro Hei"));
        font.setPixelSize(pixelSize);
        label->setFont(font);
    }
}

void fillClient(QWidget* client)
{
    auto* stage = place<QWidget>(client, "动画框1", QRect(0, 0, 512, 512));
    stage->setAutoFillBackground(true);
    QPalette white = stage->palette();
    white.setColor(QPalette::Window, Qt::white);
    stage->setPalette(white);
    addLabel(client, "标签5", QRect(513, 32, 71, 24), "练习级别", 16);
    place<QLineEdit>(client, "编辑框_级别设置", QRect(592, 32, 56, 24), "1");
    auto* spin = place<QWidget>(client, "编辑框_级别设置_spin", QRect(648, 32, 18, 24));
    auto* up = place<QToolButton>(spin, "spinUp", QRect(0, 0, 18, 12));
    up->setArrowType(Qt::UpArrow);
    auto* down = place<QToolButton>(spin, "spinDown", QRect(0, 12, 18, 12));
    down->setArrowType(Qt::DownArrow);
    addLabel(client, "标签6", QRect(512, 72, 72, 24), "练习字数：", 16);
    addLabel(client, "标签_练习字数", QRect(593, 72, 80, 24), "12", 0);
    addLabel(client, "标签3", QRect(512, 120, 84, 24), "练习时间：", 16);
    addLabel(client, "标签_计时", QRect(593, 120, 80, 24), "35秒", 0);
    addLabel(client, "标签4", QRect(512, 168, 84, 24), "正确率：", 16);
    addLabel(client, "标签_正确率", QRect(585, 168, 80, 24), "92.3%", 0);
    addLabel(client, "标签7", QRect(516, 224, 52, 24), "速度：", 16);
    addLabel(client, "标签_速度", QRect(577, 224, 80, 24), "1.4字/秒", 0);
    place<QPushButton>(client, "按钮1", QRect(545, 264, 103, 40), QString::fromUtf8("开始"));
    place<QPushButton>(client, "按钮2", QRect(544, 320, 104, 40), QString::fromUtf8("停止"));
    place<QLabel>(client, "透明标签1", QRect(528, 384, 128, 24), QString::fromUtf8("作者:Qorvin"));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: skin_preview <jedata.dll> <skin.she> <window.png> [<message.png>]\n");
        return 2;
    }
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zorvane"));
    window.setWindowIcon(drawnIcon());
    window.setFixedSize(690, 534);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* client = new QWidget(&window);
    layout->addWidget(client);
    fillClient(client);

    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    auto* attach = library
        ? reinterpret_cast<std::int32_t (*)(const char*, const char*)>(dlsym(library, "attachSkinEx"))
        : nullptr;
    if (!attach) {
        std::fprintf(stderr, "cannot bind attachSkinEx: %s\n", dlerror());
        return 1;
    }
    std::printf("attachSkinEx: %d\n", attach(argv[2], ""));
    window.show();
    window.activateWindow();
    application.processEvents();
    window.grab().save(QString::fromLocal8Bit(argv[3]));
    std::printf("window %dx%d, margins %d %d %d %d\n", window.width(), window.height(), window.contentsMargins().left(),
        window.contentsMargins().top(), window.contentsMargins().right(), window.contentsMargins().bottom());
    if (argc > 4) {
        QMessageBox box(
            QMessageBox::Information, QStringLiteral("Zorvane"), QString::fromUtf8("练习结束。"), QMessageBox::Ok);
        box.show();
        application.processEvents();
        box.grab().save(QString::fromLocal8Bit(argv[4]));
    }
    if (const int hold = qEnvironmentVariableIntValue("SKIN_PREVIEW_HOLD_MS"); hold > 0) {
        QTimer::singleShot(hold, &application, &QApplication::quit);
        return application.exec();
    }
    return 0;
}
