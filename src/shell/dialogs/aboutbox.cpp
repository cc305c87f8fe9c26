#include "dialogs/aboutbox.h"

#include "core/errors.h"
#include "dialogs/centring.h"
#include "dialogs/formutil.h"
#include "dialogs/errorguard.h"
#include "platform/commandline.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHideEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

namespace porimogu {

namespace {

// A panel with an optional single border line and an outer and inner bevel, each
// raised, lowered or absent, drawn in the palette's light and shadow colours over the
// panel's own (inherited) background.
class BevelPanel : public QFrame {
public:
    enum class Bevel { None, Raised, Lowered };

    BevelPanel(QWidget* parent, bool borderLine, Bevel outer, Bevel inner, int bevelWidth)
        : QFrame(parent), borderLine_(borderLine), outer_(outer), inner_(inner), width_(bevelWidth)
    {
        setFrameShape(QFrame::NoFrame);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QRect r = rect();
        const QColor light = palette().color(QPalette::Light);
        const QColor shadow = palette().color(QPalette::Shadow);
        if (borderLine_) {
            p.setPen(shadow);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            r.adjust(1, 1, -1, -1);
        }
        DrawBevel(p, r, outer_, light, shadow);
        DrawBevel(p, r, inner_, light, shadow);
    }

private:
    void DrawBevel(QPainter& p, QRect& r, Bevel bevel, const QColor& light, const QColor& shadow)
    {
        if (bevel != Bevel::None)
            porimogu::DrawBevel(p, r, bevel == Bevel::Raised, light, shadow, width_);
    }

    bool borderLine_;
    Bevel outer_;
    Bevel inner_;
    int width_;
};

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, kFixedTopDialogFlags)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("ﾊﾞｰｼﾞｮﾝ情報"));
    setSizeGripEnabled(false);
    SetClientHeight(kNormalHeight);

    // Button-shadow background, black text: the colours every child inherits.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(FormFont(12, false));

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(78, 151, 64, 33);
    OKButton->setFont(FormFont(19, false));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    Panel1 = new BevelPanel(this, true, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::None, 2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 209, 137);
    Panel1->setFont(FormFont(19, false));

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 32, 32);
    ProgramIcon->setAlignment(Qt::AlignCenter);

    ProductName = MakeLabel(Panel1, "ProductName", 54, 8, tr("ぽりもぐゲーム"));
    ProductName->setFont(FormFont(19, true));
    QPalette yellow = ProductName->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    ProductName->setPalette(yellow);
    ProductName->adjustSize();

    Version = MakeLabel(Panel1, "Version", 78, 31, tr("Version 2"));
    Dedication = MakeLabel(Panel1, "Dedication", 32, 78, tr("ちいさな みんなへ"));
    Author = MakeLabel(Panel1, "Author", 64, 102, tr("ぽっけより"));

    Panel2 = new BevelPanel(this, false, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered, 1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(24, 216, 185, 65);

    Label1 = MakeLabel(Panel2, "Label1", 24, 16, tr("ゲームのはやさ  40"));
    Label1->setFont(FormFont(16, false));
    Label1->adjustSize();

    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel2);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(32, 40, 121, 15);
    ScrollBar1->setRange(kFastestSpeed, kSlowestSpeed);
    ScrollBar1->setValue(kStartSpeed);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(2);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TAboutBox::ScrollBar1Change);

    setTabOrder(OKButton, ScrollBar1);
    OKButton->setFocus();
}

void TAboutBox::SetFrameTimer(QTimer* timer)
{
    frameTimer_ = timer;
}

void TAboutBox::ShowSpeedDialog()
{
    SetClientHeight(kSpeedHeight);
    ShowModeless(this);
}

void TAboutBox::ShowModalVersion()
{
    if (isVisible())
        throw GameError(tr("表示されているｳｨﾝﾄﾞｳをﾓｰﾀﾞﾙにすることはできません"));
    CenterOnScreen(this);
    exec();
}

int TAboutBox::ClientHeight() const
{
    return height();
}

void TAboutBox::ScrollBar1Change(int position)
{
    Guarded([&] {
        if (frameTimer_)
            frameTimer_->setInterval(position);
        Label1->setText(tr("ゲームのはやさ%1").arg(position));
        Label1->adjustSize();
    });
}

void TAboutBox::OKButtonClick()
{
    Guarded([&] {
        SetClientHeight(kNormalHeight);
        accept();
    });
}

void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    if (!SwallowPlainEscape(event))
        QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    Guarded([&] { LoadProgramIcon(); });
    QDialog::showEvent(event);
}

void TAboutBox::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    ReturnKeyboardToOwner(this, event);
}

void TAboutBox::SetClientHeight(int height)
{
    setFixedSize(kClientWidth, height);
}

void TAboutBox::LoadProgramIcon()
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        const QString name = QStringLiteral("porimogu.png");
        for (const QString& dir : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
            const QString path = QDir(dir).filePath(name);
            if (QFile::exists(path)) {
                icon = QIcon(path);
                if (!icon.isNull())
                    break;
            }
        }
    }
    ProgramIcon->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(QSize(32, 32)));
}

} // namespace porimogu
