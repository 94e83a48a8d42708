// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grafersteseite.h"

#include "app/error_messages.h"
#include "app/face_button.h"
#include "app/increment_summary.h"
#include "app/line_edit_accessible.h"
#include "app/message_box_error_reporter.h"
#include "panels/accessible_role.h"
#include "panels/arial_font.h"
#include "panels/colours.h"
#include "panels/graph_panel.h"
#include "panels/qt_window_system.h"
#include "panels/worksheet_copy.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "plot/reset.h"
#include "winsys/runtime_error.h"
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

namespace app {

namespace {

constexpr std::int16_t startAcceleration = 20;

// Every control of the right-hand column stands at column 248 and is 81 pixels wide.
constexpr int columnLeft = 248;
constexpr int columnWidth = 81;

struct ButtonEntry
{
    const char* name;
    const char* caption; // UTF-8
    int top;
    int height;
    int fontPixels;          // Arial 12 pt or 9 pt at 96 dots per inch
    const char* description; // UTF-8, what a screen reader says after the caption
};

const ButtonEntry graphButtons[] = {
    {"Command1", "s", 0, 33, 16, "zeichnet den Weg s über der Zeit t"},
    {"Command2", "E kin", 40, 33, 16, "zeichnet die kinetische Energie E kin über der Zeit t"},
    {"Command3", "v", 80, 33, 16, "zeichnet die Geschwindigkeit v über der Zeit t"},
    {"Command4", "P", 120, 33, 16, "zeichnet die Leistung P über der Zeit t"},
};
const ButtonEntry command5 = {
    "Command5", "zurücksetzen", 160, 25, 12, "löscht die Kurven des gezeigten Diagramms"};
const ButtonEntry command6 = {"Command6", "Ende", 296, 33, 16, "beendet das Programm"};

QPushButton* createButton(const ButtonEntry& entry, QWidget* window)
{
    auto* button =
        new FaceButton(QString::fromUtf8(entry.caption), QColor(panels::buttonFace), window);
    button->setObjectName(QString::fromLatin1(entry.name));
    button->setGeometry(columnLeft, entry.top, columnWidth, entry.height);
    button->setFont(panels::arialFont(entry.fontPixels));
    button->setAccessibleDescription(QString::fromUtf8(entry.description));
    return button;
}

void showSummary(panels::GraphPanel& panel, const Summary& summary, bool announce)
{
    panel.setSummary(summary.written, summary.spoken, announce);
}

} // namespace

GrafersteSeite::GrafersteSeite(std::unique_ptr<winsys::ErrorReporter> errors)
    : m_errors(std::move(errors))
{
    // A frame, as screen readers expect of a main window; Qt's plain widget is a "filler".
    panels::setAccessibleRole("app::GrafersteSeite", QAccessible::Window);
    LineEditAccessible::install();
    setObjectName(QStringLiteral("GrafersteSeite"));
    setWindowTitle(QStringLiteral("Beschleunigungskurven"));
    setFixedSize(331, 333);
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
    showFirstView();
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
    m_acceleration = startAcceleration;
}

panels::GraphPanel& GrafersteSeite::panel(int index) const
{
    return *m_panels.at(static_cast<std::size_t>(index));
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
    m_panels = panels::createGraphPanels(this);
    m_windows = std::make_unique<panels::QtWindowSystem>(m_panels);
}

void GrafersteSeite::createButtons()
{
    for (std::size_t i = 0; i < m_graphButtons.size(); ++i) {
        m_graphButtons[i] = createButton(graphButtons[i], this);
        const auto graphButton = static_cast<plot::GraphButton>(i);
        connect(m_graphButtons[i], &QPushButton::clicked, this,
                [this, graphButton] { plotGraph(graphButton); });
    }
    m_command5 = createButton(command5, this);
    connect(m_command5, &QPushButton::clicked, this, &GrafersteSeite::resetVisiblePanel);
    m_command6 = createButton(command6, this);
    connect(m_command6, &QPushButton::clicked, this, &QWidget::close);
}

void GrafersteSeite::createInstruction()
{
    m_label17 = new QLabel(QStringLiteral("Hier können Sie die Be- schleunigung ändern:"), this);
    m_label17->setObjectName(QStringLiteral("Label17"));
    m_label17->setGeometry(columnLeft, 192, columnWidth, 65);
    m_label17->setFont(panels::arialFont(12));
    m_label17->setWordWrap(true);
    m_label17->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Spoken as one word: the blank after "Be-" only lets the caption break there.
    m_label17->setAccessibleName(QStringLiteral("Hier können Sie die Beschleunigung ändern:"));
}

void GrafersteSeite::createText1()
{
    // The font comes before the text, so that the text is laid out once, in its own font.
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(columnLeft, 264, columnWidth, 25);
    m_text1->setFont(panels::arialFont(13));
    m_text1->setMaxLength(std::numeric_limits<int>::max());
    m_text1->setText(QStringLiteral("20"));
    QPalette white = m_text1->palette();
    white.setColor(QPalette::Base, QColor(panels::white));
    m_text1->setPalette(white);
    // Label17 is the box's label for a screen reader; the name is for those that want a short one.
    m_text1->setAccessibleName(QStringLiteral("Beschleunigung"));
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
    // Command1 .. Command4, the panels 1, 0, 2, 3, Text1, Command5, Command6.
    const std::array<QWidget*, 11> order = {m_graphButtons[0], m_graphButtons[1], m_graphButtons[2],
                                            m_graphButtons[3], m_panels[1],       m_panels[0],
                                            m_panels[2],       m_panels[3],       m_text1,
                                            m_command5,        m_command6};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void GrafersteSeite::showFirstView()
{
    // The s-panel, empty and without its markers, until the learner plots something.
    for (int index = 0; index < winsys::panelCount; ++index) {
        m_windows->setPanelVisible(index, index == 3);
        for (winsys::Shape marker : winsys::markerShapes) {
            m_windows->setShapeVisible(marker, index, false);
        }
        showSummary(panel(index), nothingDrawnSummary(), false);
    }
    m_graphButtons[0]->setFocus();
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
    m_errors->reportError(rejectedTextMessage(text.toStdString(), m_acceleration));
}

void GrafersteSeite::plotGraph(plot::GraphButton button)
{
    const plot::Graph& graph = plot::graphForButton(button);
    panels::GraphPanel& drawnOn = panel(graph.panel);
    try {
        const plot::RunResult run = plot::plotRun(graph, m_acceleration, *m_windows);
        drawnOn.addDrawnAcceleration(m_acceleration);
        showSummary(drawnOn, runSummary(graph, m_acceleration, run), true);
    } catch (const winsys::RuntimeError&) {
        m_errors->reportError(overflowMessage(graph, m_acceleration));
        showSummary(drawnOn, overflowSummary(graph, m_acceleration), true);
    }
}

void GrafersteSeite::resetVisiblePanel()
{
    if (const auto reset = plot::resetVisiblePanel(*m_windows)) {
        showSummary(panel(*reset), nothingDrawnSummary(), true);
    }
}

void GrafersteSeite::copyVisiblePanel()
{
    // The first shown panel, as reset finds it, drawn afresh at four times its size with the
    // accelerations of its curves beneath.
    for (panels::GraphPanel* shown : m_panels) {
        if (shown->isShown()) {
            QGuiApplication::clipboard()->setImage(panels::worksheetCopy(*shown));
            return;
        }
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
