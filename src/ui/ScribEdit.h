// TScribEdit: the editor control on screen. It is a TCustomScribEdit (the
// main window reaches every editor operation and event on it directly) and a
// QAbstractScrollArea whose viewport shows the text. The widget only
// translates: Qt events become editor calls, the editor's repaint areas
// become viewport updates, and the painter draws the clip rectangle.
//
// The events OnInvalidate and OnSettingsChange of the editor stay free for the
// host: the widget follows the editor through its virtual hooks. An exception
// from an editor call inside a Qt event handler is caught and shown in an error
// box ("Scribant"); the program goes on.
#pragma once

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QTimer>
#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "editor/CustomScribEdit.h"
#include "editor/EditorPainter.h"
#include "ui/QtCanvas.h"

class QMimeData;

class TScribEdit : public QAbstractScrollArea, public TCustomScribEdit {
  Q_OBJECT

 public:
  explicit TScribEdit(QWidget* parent = nullptr);
  ~TScribEdit() override;

  TCustomScribEdit& Editor() { return *this; }
  const TScribEditorPainter& Painter() const { return painter_; }

  // Shows an error from an editor call; by default a message box with the
  // caption "Scribant" and the error icon. Tests replace it.
  std::function<void(const std::string& message)> ShowError;

  // Whole rows and columns that fit in the viewport for the current font.
  void UpdateWindowSize();
  // The display position of the cell boundary nearest a viewport point (rows
  // and columns past the window continue beyond it).
  TDisplayCoord DisplayPosAt(QPoint point) const;
  // The viewport rectangle of the caret (a line in insert mode, a cell in overwrite mode).
  QRect CaretRect() const;
  bool CaretShown() const { return caretShown_; }
  // The data a drag of the selection carries: its text, marked as this
  // editor's own so that a drop here moves or copies the selection.
  QMimeData* CreateDragData() const;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  // Qt events (ScribEdit.cpp, ScribEditInput.cpp, ScribEditDrag.cpp)
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

  // Editor hooks
  void StatusReported(TScribStatusChanges changes) override;
  void LinesInvalidated(int firstLine, int lastLine) override;
  void ViewSettingsChanged() override;

 private:
  // Runs an editor call, showing any exception instead of passing it to Qt.
  template <typename Call>
  void Guarded(Call&& call);
  // The window, text, selection and button-face colours of the desktop.
  void TakeSystemColours();
  void MeasureFont();
  void MeasureGutterFont();
  void UpdateScrollBars();
  // While the vertical thumb is dragged: the line that will be at the top.
  void ShowScrollHint(int topRow);
  // Shows the caret now and restarts its blinking.
  void RestartCaret();
  void ToggleCaret();
  void InvalidateCaret();
  void PaintCaret(QPainter& painter);
  // Text, gutter and selection are painted into a cache and shown from it, so
  // that a caret blink repaints no text. Every change of what the painter
  // would draw marks its area stale.
  void MarkTextStale(const QRect& area);
  void PaintStaleText(const QRegion& exposed);
  QRect ClientRect() const;

  // Mouse selection and its scroll timer (ScribEditInput.cpp)
  // The cell under a point (DisplayPosAt gives the nearer cell boundary).
  TDisplayCoord CellAt(QPoint point) const;
  void SelectionScrollTick();

  // Drag-and-drop (ScribEditDrag.cpp)
  void StartDrag();
  TBufferCoord DropPositionAt(QPoint point) const;
  void ScrollForDrag(QPoint point);

  TScribEditorPainter painter_{*this};
  QtFontCache fonts_;
  int ascent_ = 0;
  TFont measuredFont_;
  bool measured_ = false;
  std::optional<TFont> measuredGutterFont_;

  QPixmap textCache_;
  QRegion staleText_;

  QTimer caretTimer_;
  bool caretShown_ = false;
  QRect caretRect_;  // where the caret was last drawn

  QPoint lastMousePoint_;
  QTimer selectionScrollTimer_;
  // Scans the highlighter states of the lines below the window while idle.
  QTimer scanAheadTimer_;
  std::optional<QPoint> dragStart_;        // a press inside the selection, maybe a drag
  std::optional<TBufferCoord> dropCaret_;  // where a drag over the editor would drop
  bool syncingScrollBars_ = false;
  int wheelRemainder_ = 0;
};

template <typename Call>
void TScribEdit::Guarded(Call&& call) {
  try {
    call();
  } catch (const std::exception& error) {
    if (ShowError) ShowError(error.what());
  }
}
