#pragma once

#include "page_controller.h"

#include <QList>
#include <QObject>
#include <QStringList>

// Every page controller of the window, made and bound to the form together. The shell asks it
// for a page's controller by the page widget.
class PageSet : public QObject {
    Q_OBJECT

public:
    PageSet(const PageContext& context, QWidget* form, QObject* parent = nullptr);

    const QList<PageController*>& controllers() const { return all; }
    PageController* controller_for(QWidget* page) const;
    template <class Controller> Controller* find() const {
        for (PageController* c : all)
            if (auto* wanted = qobject_cast<Controller*>(c))
                return wanted;
        return nullptr;
    }

    // The refresh of the page's controller, on the frame the caller opened.
    void refresh(QWidget* page);
    // Before the link of the page's refresh opens: the lines that show an answer from before
    // are emptied.
    void clear_result_lines(QWidget* page);
    // The page's link did not open: its controls show unread.
    void show_unread(QWidget* page);
    void read_settings(const QSettings& settings);
    void write_settings(QSettings& settings) const;
    void definitions_loaded();
    void write_pending();
    // The on_ slots of the controllers that found no object or signal of their name.
    QStringList unbound_slots() const { return unbound; }

private:
    QList<PageController*> all;
    QStringList unbound;
};
