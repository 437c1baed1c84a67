#pragma once

#include <QMainWindow>

#include <functional>

// The main window. Closing it is a question for whoever owns the program:
// shouldClose answers whether the window may go (and the program with it).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;

    std::function<bool()> shouldClose;

protected:
    void closeEvent(QCloseEvent *event) override;
};
