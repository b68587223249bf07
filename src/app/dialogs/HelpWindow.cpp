#include "dialogs/HelpWindow.h"

#include "update/Updater.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QIcon>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString Section(const QString &title, const QStringList &paragraphs)
{
    QString html = QStringLiteral("<h3>%1</h3>").arg(title.toHtmlEscaped());
    for (const QString &paragraph : paragraphs)
        if (!paragraph.isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    return html;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent), browser(new QTextBrowser(this))
{
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/Icons/lumeno_logo")));
    browser->setOpenExternalLinks(true); // the web page opens in the browser, if there is one
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(640, 560);
    ShowPage(language);
}

void HelpWindow::ShowPage(const QString &languageCode)
{
    language = languageCode;
    setWindowTitle(tr("Lumeno3D Help"));
    browser->setHtml(PageHtml());
}

QString HelpWindow::WebPage() const
{
    return QStringLiteral("%1/help/%2/Lumeno3D.html").arg(QString::fromLatin1(Updater::WebSite), language);
}

QString HelpWindow::PageHtml() const
{
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(tr("Lumeno3D Help").toHtmlEscaped(),
                            tr("Lumeno3D makes triangle meshes lighter: it reduces the number of triangles of a "
                               "model while keeping its shape, and saves the result.")
                                .toHtmlEscaped());
    html += Section(tr("Opening a model"),
                    {tr("Choose Open in the File menu and pick an STL, OBJ, PLY, OFF, glTF (.gltf or .glb) or 3MF "
                       "file. The parts of a glTF, 3MF or OBJ file stay parts, each where the file places it, with "
                       "their materials and textures. The left view shows the "
                       "model as loaded, the right view the reduced model. The File menu also lists the last "
                       "files you opened."),
                     tr("You can also drop a model file on the window.")});
    html += Section(tr("Reducing"),
                    {tr("As soon as a model is loaded, Lumeno3D computes nine levels that keep from 90 down to "
                       "10 percent of its triangles; each level's button shows the size of its file. You can "
                       "also reduce the model to a percentage of your own, or as far as a maximum deviation from "
                       "its shape allows.")});
    html += Section(tr("Smoothing and transforming"),
                    {tr("Smooth evens out the surface of the model on the right. Transform scales and rotates "
                        "the model; both views show the change before you accept it."),
                     tr("Undo and Redo in the Edit menu take back and repeat transforms and smoothings. When New, "
                        "Open or closing would drop changes you have not saved, Lumeno3D asks first.")});
    html += Section(tr("Viewing"),
                    {tr("Turn the model with the left mouse button, move it with the middle button and zoom with "
                       "the wheel; the right view follows the left one. The buttons at the bottom switch between "
                       "surface, points and wireframe, fit the model into the views, and show it from the "
                       "front, the side, the top or in perspective."),
                     tr("Show deviation in the View menu colours the reduced model by each point's distance to the "
                        "loaded model, from blue for none to dark red for the largest; the legend gives the scale, "
                        "and the mouse pointer the value under it.")});
    html += Section(tr("Saving"),
                    {tr("Save as in the File menu writes the model shown on the right as STL, PLY, OBJ, GLB, "
                       "glTF, 3MF or OFF. PLY, GLB and glTF keep vertex colours, normals and texture coordinates; "
                       "a glTF file holds its data itself, with no .bin file beside it. "
                       "Snapshot saves both views as PNG images."),
                     tr("Save levels as one file writes the model and its nine levels into one GLB file as levels "
                        "of detail, which game and web engines read.")});
    html += Section(tr("Preferences"),
                    {tr("Choose the language of the interface, the colour of the model and the colours of the "
                        "background. A new language takes effect at the next start."),
                     tr("Reduction method: Quality makes all the levels in one pass and stays several times "
                        "closer to the shape; Classic is the method of earlier versions."),
                     Updater::BuiltIn ? tr("Check for updates at start: each time it starts, Lumeno3D asks its web "
                                           "site for a newer version and tells you when there is one.")
                                      : QString()});
    const QString web = WebPage().toHtmlEscaped();
    html += QStringLiteral("<hr><p>%1 <a href=\"%2\">%2</a></p>")
                .arg(tr("The latest version of this page is on the web:").toHtmlEscaped(), web);
    return html;
}

void HelpWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ShowPage(language);
    QDialog::changeEvent(event);
}
