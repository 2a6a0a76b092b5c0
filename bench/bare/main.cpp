// The toolkit's floor: the least a Qt Widgets program of the input window's kind
// does to put a window on screen. A main window with a menu bar holding one menu
// and a label, of the input window's fixed client size.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare v1.0"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("Bare"), &window));
    window.setFixedSize(497, 281 + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
