#pragma once

#include "page_controller.h"

// The op-code control page: any display control read and set by its op code.
class OpcodePages : public PageController {
    Q_OBJECT

public:
    explicit OpcodePages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void read_settings(const QSettings& settings) override;
    void write_settings(QSettings& settings) const override;
};
