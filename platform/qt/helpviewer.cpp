#include "platform/qt/helpviewer.h"

#include "platform/dialogrunner.h"
#include "resources/helppages.h"

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QString(ApplicationName) + " Help");
    setOpenLinks(false);
    resize(520, 400);
}

void HelpViewer::ShowContext(int id)
{
    contextId = id;
    const HelpPage* page = FindHelpPage(id);
    if (page) {
        setWindowTitle(QString(ApplicationName) + " Help - " + QString::fromUtf8(page->title));
        setHtml(QString::fromUtf8(page->html));
    } else {
        setWindowTitle(QString(ApplicationName) + " Help");
        setHtml(QString("<p>There is no help page for this topic (%1).</p>").arg(id));
    }
    show();
    raise();
    activateWindow();
}
