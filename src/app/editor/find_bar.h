#pragma once
// The Find bar under the editor: the text to find, Match case and Whole word,
// next and previous, and a line that says when the search went round the end
// or found nothing. It only reports what the user asked for; the window
// searches and highlights.
#include "core/documents/text_search.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace app::editor {

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);
    QString findText() const;
    core::documents::SearchOptions options() const;
    //! Shows the bar with this text selected, the focus in it.
    void open(const QString& text);
    void setNote(const QString& note);
    QString note() const;

signals:
    void searchChanged(); //!< the text or an option changed
    void findNext(bool backward);
    void closed();

protected:
    //! Enter finds the next match, Shift+Enter the previous one, Escape closes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_find;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QLabel* m_note;
};

} // namespace app::editor
