#pragma once

#include <QDialog>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "core/model/QuestionSet.h"
#include "core/results/QuestionHistory.h"

class QLineEdit;
class QPushButton;

// The list's table: a drag moves one question onto another's place, which
// the list hands on as question numbers instead of moving rows itself.
class TQuestionTable : public QTableWidget {
  Q_OBJECT

public:
  using QTableWidget::QTableWidget;

signals:
  void Moved(int fromRow, int toRow);

protected:
  void dropEvent(QDropEvent* event) override;
};

// What the list does to the editor behind it; each change is one step the
// editor can undo.
struct TQuestionListActions {
  std::function<void(int number)> Show;
  std::function<void(const std::vector<int>& numbers, const QString& category)> SetCategory;
  std::function<void(int from, int to)> Move;
};

// The editor's list of its questions: number, first words, category, tags,
// and how each did wherever it was asked, in columns to sort by. A category
// or a tag typed above narrows it; a category can be set on the questions
// selected; a drag moves a question; a double click shows it in the editor.
class TQuestionListForm : public QDialog {
  Q_OBJECT

public:
  // histories: one per question 1..QuestionCount, in order (or none at all).
  TQuestionListForm(const QuestionSet& questions, std::vector<TQuestionHistory> histories,
                    TQuestionListActions actions, QWidget* parent = nullptr);

  // The question numbers of the selected rows, ascending.
  std::vector<int> SelectedNumbers() const;

  void SetCategoryClick();
  void MoveRow(int fromRow, int toRow);

private:
  void Fill();
  void ApplyFilter();
  void ShowRow(int row);
  int NumberOf(int row) const;

  const QuestionSet& Questions;
  std::vector<TQuestionHistory> Histories;
  TQuestionListActions Actions;
  QLineEdit* FilterEdit;
  TQuestionTable* List;
  QLineEdit* CategoryEdit;
  QPushButton* SetCategoryButton;
};
