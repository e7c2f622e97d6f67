#pragma once

#include "page_controller.h"

#include <functional>

class QLineEdit;

// The input-name page: the name a display shows for its current input, and for
// an input terminal chosen on the page, read, written and reset.
class InputNamePage : public PageController {
    Q_OBJECT

public:
    // A name travels in a buffer of 20 bytes; one written is at most 14
    // characters.
    static constexpr int NameBufferSize = 20;
    static constexpr int NameLength = 14;

    explicit InputNamePage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    // The current input's name and Write, which sends it.
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QWidget*> form_fields() const override;
    QList<QLineEdit*> result_lines(QWidget* page) const override;

public slots:
    void on_inputname_read_pushButton_clicked();
    void on_inputname_write_pushButton_clicked();
    void on_inputname_reset_pushButton_clicked();
    void on_inputname_name_designated_terminal_read_pushButton_clicked();
    void on_inputname_name_designated_terminal_write_pushButton_clicked();
    void on_inputname_name_designated_terminal_reset_pushButton_clicked();

private:
    unsigned char terminal() const;
    // The name of a field as it is sent: at most NameLength characters, as Latin-1 bytes.
    static QString name_text(const QLineEdit* field);
    static QByteArray name_of(const QLineEdit* field);
    // The designated terminal's name and the buttons that send it.
    QList<QWidget*> terminal_controls() const;
    // A name Latin-1 cannot hold is refused on the status bar, with nothing sent and the
    // status line emptied.
    bool name_refused(const QLineEdit* field, QLineEdit* status_line);
    // Runs a write or reset in a frame of its own and shows the display's result
    // value on the status line; true when the display took it. A write that it did not take
    // puts the name field back to the name it reported.
    bool name_command(QLineEdit* status_line, const std::function<int(int* result)>& command,
                      QLineEdit* name_field = nullptr);
};
