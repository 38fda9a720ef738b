// TFormAnalyse: the modal Text Analyse window. It shows the statistics and the
// character table (tools/TextAnalysis.h) of the whole document, the selection
// or the clipboard's text. Created, run and destroyed on each use.
#pragma once

#include <QDialog>
#include <vector>

#include "tools/TextAnalysis.h"

class Clipboard;
class Locale;
class QComboBox;
class QKeyEvent;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TCustomScribEdit;

class TFormAnalyse : public QDialog {
  Q_OBJECT

 public:
  TFormAnalyse(QWidget* owner, TCustomScribEdit& editor, Clipboard& clipboard,
               const Locale& locale);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildStatsSheet();
  QWidget* BuildCharsSheet();
  void FormCreate();
  bool FormKeyDown(const QKeyEvent& key);
  void Analyse_Combo_Change();
  void Stats_Sheet_Resize();
  void Chars_ListView_ColumnClick(int columnIndex);

  std::string SourceText(int sourceIndex) const;
  void ShowStatistics(const TTextStatistics& statistics);
  // Refills the character table from charRows_, in their order, keeping the
  // selected byte selected.
  void FillCharsListView();
  void WidenCodePointColumns();

  TCustomScribEdit& editor_;
  Clipboard& clipboard_;
  const Locale& locale_;
  // Object names are the controls' own names ("Stats_ListBox", "Close_Btn").
  QTabWidget* mainPageCtrl_ = nullptr;
  QWidget* statsSheet_ = nullptr;
  QListWidget* statsListBox_ = nullptr;
  QTreeWidget* charsListView_ = nullptr;
  QComboBox* analyseCombo_ = nullptr;
  QPushButton* closeBtn_ = nullptr;
  // The character table's tag and its rows in display order.
  TCharSortState charSort_;
  std::vector<TCharRow> charRows_;
};

// The main window's Text Analyse command: runs the window over the editor.
// `clipboard` is read for the "Clipboard Text" source, `locale` gives the
// decimal separator of the percentages.
void AnalyseText_Cmd(QWidget* owner, TCustomScribEdit& editor, Clipboard& clipboard,
                     const Locale& locale);
