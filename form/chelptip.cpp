#include "chelptip.h"

#include <QIcon>
#include <QWhatsThis>

CHelpTip::CHelpTip(QWidget* parent) : QPushButton(parent) {
    resize(16, 16);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/Resources/help-tip.png"), QSize(), QIcon::Normal,
                 QIcon::Off);
    setIcon(icon);
    setWhatsThis(QString());
}

CHelpTip::~CHelpTip() = default;

void CHelpTip::enterEvent(QEvent*) {
    if (isEnabled())
        QWhatsThis::enterWhatsThisMode();
}

void CHelpTip::leaveEvent(QEvent*) {
    QWhatsThis::leaveWhatsThisMode();
}
