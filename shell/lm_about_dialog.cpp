#include "lm_about_dialog.h"

#include "app_helpers.h"

#include <QLayout>

LM_About_Dialog::LM_About_Dialog(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    logo_label->setPixmap(QPixmap(QStringLiteral(":/images/Resources/splash small.png")));
    version_label->setText(versionString());
    setFixedSize(layout()->sizeHint());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}
