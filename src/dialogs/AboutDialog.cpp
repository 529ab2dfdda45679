#include "dialogs/AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

QString AboutDialog::versionLine()
{
    return tr("Version %1, %2-bit edition").arg(QStringLiteral(CALENDRIX_VERSION)).arg(QSysInfo::WordSize);
}

AboutDialog::AboutDialog(QWidget *parent) : ToolWindow(u"About"_s, tr("About"), parent)
{
    auto *icon = new QLabel(this);
    icon->setObjectName(u"Image1"_s);
    icon->setPixmap(QPixmap(u":/images/calendrix-32.png"_s));
    auto *name = new QLabel(u"Calendrix"_s, this);
    name->setObjectName(u"Label1"_s);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto *version = new QLabel(versionLine(), this);
    version->setObjectName(u"Label2"_s);
    auto *logo = new QLabel(this);
    logo->setObjectName(u"Picture1"_s);
    logo->setPixmap(QPixmap(u":/images/logo.png"_s));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(u"Command1"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(logo, 2, 0, 1, 2, Qt::AlignCenter);
    layout->addWidget(ok, 3, 1, Qt::AlignRight);
    setFixedSize(sizeHint());
}

} // namespace calendrix
