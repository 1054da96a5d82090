#pragma once
// The small dialogs of the Easy layout: TForm5 "Reset Choices" and TForm13
// "Add a new service".
#include <QDialog>

#include <optional>

class QLineEdit;

namespace app::wizard {

enum class ResetScope { ThisPage, All };

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    //! Modal; nothing when "&Cancel" or Escape closes it.
    std::optional<ResetScope> ask();

private:
    ResetScope m_scope = ResetScope::ThisPage;
};

class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
    //! Modal; the typed name after "&OK", nothing after "&Cancel".
    std::optional<QString> ask();

private:
    QLineEdit* m_name = nullptr;
};

} // namespace app::wizard
