// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grafersteseite.h"

#include "app/face_button.h"
#include "app/line_edit_accessible.h"
#include "app/message_box_error_reporter.h"
#include "content/colours.h"
#include "content/messages.h"
#include "content/window_layout.h"
#include "panels/accessible_role.h"
#include "panels/arial_font.h"
#include "panels/colours.h"
#include "panels/panel_board.h"
#include "panels/qt_text.h"
#include "plot/graph_catalogue.h"
#include "winsys/text_to_int16.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <limits>
#include <vector>

namespace app {

namespace {

using panels::fromUtf8;

QPushButton* createButton(const content::ControlEntry& entry, QWidget* window)
{
    auto* button =
        new FaceButton(fromUtf8(entry.caption), panels::toQColor(content::buttonFace), window);
    button->setObjectName(fromUtf8(entry.name));
    button->setGeometry(content::columnLeft, entry.top, content::columnWidth, entry.height);
    button->setFont(panels::arialFont(entry.fontPixels));
    button->setAccessibleDescription(fromUtf8(entry.spoken));
    return button;
}

} // namespace

GrafersteSeite::GrafersteSeite(std::unique_ptr<winsys::ErrorReporter> errors)
    : m_errors(std::move(errors))
{
    // A frame, as screen readers expect of a main window; Qt's plain widget is a "filler".
    panels::setAccessibleRole("app::GrafersteSeite", QAccessible::Window);
    LineEditAccessible::install();
    setObjectName(QStringLiteral("GrafersteSeite"));
    setWindowTitle(fromUtf8(content::windowCaption));
    setFixedSize(content::windowWidth, content::windowHeight);
    setIconAndFrameHints();
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);

    createPanels();
    createButtons();
    createInstruction();
    createText1();
    createCopyShortcut();
    chainTabOrder();
    m_board->showFirstView();
    m_graphButtons[0]->setFocus();
    if (!m_errors) {
        m_errors = std::make_unique<MessageBoxErrorReporter>(this);
    }
    connect(qApp, &QApplication::focusChanged, this, &GrafersteSeite::watchFocus);
}

GrafersteSeite::~GrafersteSeite()
{
    // Closing the window in ~QWidget moves the focus; this object is gone by then.
    disconnect(qApp, &QApplication::focusChanged, this, &GrafersteSeite::watchFocus);
}

void GrafersteSeite::load()
{
    m_acceleration = content::startAcceleration;
}

void GrafersteSeite::setIconAndFrameHints()
{
    // The desktop entry's picture, in every size the resource holds (":/icons", one PNG a size).
    // Read as PNG without format detection, which would load every image format plugin first.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList(QDir::Files)) {
        QImageReader png(icons.filePath(name), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    setWindowIcon(icon);
    // The size is fixed, so a maximise button would do nothing; the close box stays, it ends the
    // program as "Ende" does.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void GrafersteSeite::createPanels()
{
    m_board = std::make_unique<panels::PanelBoard>(this);
}

void GrafersteSeite::createButtons()
{
    for (std::size_t i = 0; i < m_graphButtons.size(); ++i) {
        m_graphButtons[i] = createButton(content::graphButtons.at(i), this);
        const auto graphButton = static_cast<plot::GraphButton>(i);
        connect(m_graphButtons[i], &QPushButton::clicked, this,
                [this, graphButton] { plotGraph(graphButton); });
    }
    m_command5 = createButton(content::command5, this);
    connect(m_command5, &QPushButton::clicked, this, [this] { m_board->reset(); });
    m_command6 = createButton(content::command6, this);
    connect(m_command6, &QPushButton::clicked, this, &QWidget::close);
}

void GrafersteSeite::createInstruction()
{
    const content::ControlEntry& entry = content::label17;
    m_label17 = new QLabel(fromUtf8(entry.caption), this);
    m_label17->setObjectName(fromUtf8(entry.name));
    m_label17->setGeometry(content::columnLeft, entry.top, content::columnWidth, entry.height);
    m_label17->setFont(panels::arialFont(entry.fontPixels));
    m_label17->setWordWrap(true);
    m_label17->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label17->setAccessibleName(fromUtf8(entry.spoken));
}

void GrafersteSeite::createText1()
{
    // The font comes before the text, so that the text is laid out once, in its own font.
    const content::ControlEntry& entry = content::text1;
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(fromUtf8(entry.name));
    m_text1->setGeometry(content::columnLeft, entry.top, content::columnWidth, entry.height);
    m_text1->setFont(panels::arialFont(entry.fontPixels));
    m_text1->setMaxLength(std::numeric_limits<int>::max());
    m_text1->setText(QString::number(content::startAcceleration));
    QPalette white = m_text1->palette();
    white.setColor(QPalette::Base, panels::toQColor(content::white));
    m_text1->setPalette(white);
    // Label17 is the box's label for a screen reader; the name is for those that want a short one.
    m_text1->setAccessibleName(fromUtf8(entry.spoken));
    m_label17->setBuddy(m_text1);
    m_text1->installEventFilter(this);
    m_lastConvertedText = m_text1->text();
}

void GrafersteSeite::createCopyShortcut()
{
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, &GrafersteSeite::copyVisiblePanel);
}

void GrafersteSeite::chainTabOrder()
{
    // Command1 .. Command4, the panels, Text1, Command5, Command6.
    std::vector<QWidget*> order(m_graphButtons.begin(), m_graphButtons.end());
    for (const int panel : content::panelTabOrder) {
        order.push_back(m_board->widget(panel));
    }
    order.insert(order.end(), {m_text1, m_command5, m_command6});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void GrafersteSeite::watchFocus(QWidget* old, QWidget* now)
{
    // Leaving Text1 for another control of this window validates it; leaving the window
    // (now is null or in another window) does not.
    if (old == m_text1 && now != nullptr && now->window() == this) {
        validateText1();
    }
}

void GrafersteSeite::validateText1()
{
    const QString text = m_text1->text();
    if (const auto converted = winsys::textToInt16(text.toStdString())) {
        m_acceleration = *converted;
        m_lastConvertedText = text;
        return;
    }
    m_text1->setText(m_lastConvertedText);
    m_errors->reportError(content::rejectedTextMessage(text.toStdString(), m_acceleration));
}

void GrafersteSeite::plotGraph(plot::GraphButton button)
{
    const plot::Graph& graph = plot::graphForButton(button);
    if (!m_board->plot(graph, m_acceleration)) {
        m_errors->reportError(content::overflowMessage(graph, m_acceleration));
    }
}

void GrafersteSeite::copyVisiblePanel()
{
    const QImage copy = m_board->worksheetCopyOfShownPanel();
    if (!copy.isNull()) {
        QGuiApplication::clipboard()->setImage(copy);
    }
}

bool GrafersteSeite::eventFilter(QObject* watched, QEvent* event)
{
    // Text1 keeps Ctrl+C for its selected text; without a selection it copies the panel.
    if (watched == m_text1 && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !m_text1->hasSelectedText()) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GrafersteSeite::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // The program lives as long as its window is shown. However the window goes ("Ende", its
    // close box, Alt+F4, the window manager), the event loop ends with exit code 0, and any
    // message box over the window goes with it. A minimized window stays shown.
    if (isVisible()) {
        return;
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            child->hide();
        }
    }
    QCoreApplication::exit(0);
}

} // namespace app
