#include "ui/ZRUtility.h"

#include "ui/Dialogs.h"

void ZRUtility::showErrorWithTextMessagge(const QString &text, QWidget *parent)
{
    Dialogs::current().runAlert(parent, text, QString(), {});
}
