#pragma once
#include "platform/Screen.h"

class QLineEdit;

class TfrmAllegaCartella : public TDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);
    QLineEdit *txtFile01;
    QLineEdit *txtDesc01;
    QLineEdit *txtFile02;
    QLineEdit *txtDesc02;
    QLineEdit *txtFile03;
    QLineEdit *txtDesc03;
};
