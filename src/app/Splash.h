#pragma once
#include "platform/Screen.h"

class QPushButton;
class QToolButton;

// Credits screen: the maker's logo and a link to its web site.
class TfrmSplash : public TDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);
    QPushButton *btnChiudi;
    QToolButton *lnkWeb, *imgWeb;
    void lnkWebClick();
};
