// Another program for the end-to-end scenarios: a window at the top left of the
// screen with one editable line whose whole text is selected. Dragging the text
// offers it to be copied or moved, a move by preference, as many editors do;
// when the target reports a move, the text is removed here. Each drag's outcome
// is printed ("dropped: move", "dropped: copy" or "dropped: ignore").
// The text comes from SOLVANTA_E2E_DRAG_TEXT.
#include <QApplication>
#include <QDrag>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

namespace {

class DragLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && hasSelectedText()) {
            m_pressedAt = event->position().toPoint();
            m_pressed = true;
            return;
        }
        QLineEdit::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (!m_pressed || (event->position().toPoint() - m_pressedAt).manhattanLength() <
                              QApplication::startDragDistance())
            return;
        m_pressed = false;
        auto* data = new QMimeData;
        data->setText(selectedText());
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
        if (action == Qt::MoveAction)
            del();
        std::printf("dropped: %s\n", action == Qt::MoveAction   ? "move"
                                     : action == Qt::CopyAction ? "copy"
                                                                : "ignore");
        std::fflush(stdout);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        m_pressed = false;
        QLineEdit::mouseReleaseEvent(event);
    }

private:
    QPoint m_pressedAt;
    bool m_pressed = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Drag Source"));
    auto* line = new DragLine(qEnvironmentVariable("SOLVANTA_E2E_DRAG_TEXT"), &window);
    line->setAccessibleName(QStringLiteral("Drag Source Text"));
    line->setFont(QFont(line->font().family(), 16));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(line);
    window.setGeometry(20, 20, 320, 60);
    window.show();
    line->selectAll();
    return QApplication::exec();
}
