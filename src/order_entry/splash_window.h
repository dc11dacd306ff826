#pragma once

#include "ui/form.h"
#include "ui/on_time_timer.h"

#include <QLabel>

class QFrame;

// Shows the program's name and version for a second, then opens the new-order window.
class frmSplash : public ui::Form
{
    Q_OBJECT

public:
    static frmSplash* instance();
    static frmSplash* existing();

    frmSplash();

    static QString versionText();
    // The version and the rights notice under it.
    void showRights(const QString& notice);
    static inline const QString kRightsNotice = QStringLiteral("© 2007 ZEL. Alla rättigheter förbehållna.");

    QFrame* Shape1;
    QLabel* Image2;
    QLabel* Label2;
    QLabel* Label1;
    ui::OnTimeTimer* Timer1;

protected:
    void Form_Load() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Timer1_Timer();

    bool m_painted = false;
};
