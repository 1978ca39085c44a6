#include "platform/qt/helpviewer.h"

#include "platform/dialogrunner.h"
#include "resources/helppages.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

HelpViewer::HelpViewer(QWidget* parent, QWidget* centreOn) : QDialog(parent), centreOn(centreOn)
{
    setWindowTitle(QString(ApplicationName) + " Help");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    browser = new QTextBrowser(this);
    browser->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeButton = buttons->button(QDialogButtonBox::Close);
    // Close hides the window (as Escape does, through reject); the next help request shows it again.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(560, 440);
}

QString HelpViewer::PageText() const
{
    return browser->toPlainText();
}

void HelpViewer::ShowContext(int id)
{
    contextId = id;
    const HelpPage* page = FindHelpPage(id);
    if (page) {
        setWindowTitle(QString(ApplicationName) + " Help - " + QString::fromUtf8(page->title));
        browser->setHtml(QString::fromUtf8(page->html));
    } else {
        setWindowTitle(QString(ApplicationName) + " Help");
        browser->setHtml(QString("<p>There is no help page for this topic (%1).</p>").arg(id));
    }
    if (!isVisible())
        PlaceOverCentreWindow();
    show();
    raise();
    activateWindow();
    browser->setFocus();
}

void HelpViewer::PlaceOverCentreWindow()
{
    QWidget* over = centreOn ? centreOn->window() : (parentWidget() ? parentWidget()->window() : nullptr);
    if (!over || !over->isVisible())
        return;
    QRect placed(QPoint(), size());
    placed.moveCenter(over->frameGeometry().center());
    // Kept on the screen the window it opens over is on.
    if (QScreen* screen = over->screen()) {
        const QRect available = screen->availableGeometry();
        const int right = std::max(available.left(), available.right() + 1 - placed.width());
        const int bottom = std::max(available.top(), available.bottom() + 1 - placed.height());
        placed.moveTopLeft({std::clamp(placed.left(), available.left(), right),
                            std::clamp(placed.top(), available.top(), bottom)});
    }
    move(placed.topLeft());
}
