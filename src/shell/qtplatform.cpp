#include "qtplatform.h"

// The platform's parts that are the same on every system. The settings store and the
// instance lock are in qtplatform_posix.cpp and qtplatform_windows.cpp.
#include "qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

QtPlatform::QtPlatform() : m_random(std::random_device{}()) {}

Platform::Answer QtPlatform::showMessage(const QString& text, const QString& title, Icon icon,
                                         Buttons buttons, QWidget* owner) {
    // The box is transient for its owner, so the window manager keeps it above
    // it; an owner that stays above other windows passes that on to its box.
    QWidget* parent = owner ? owner->window() : QApplication::activeWindow();
    if (parent && !parent->isVisible())
        parent = QApplication::activeWindow();
    QMessageBox box(
        icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Every message is plain text, some quote what the user typed: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    const int result = box.exec();
    // The keyboard goes back to the window the box belongs to; without a window
    // manager nothing else would give it back.
    if (parent && parent->isVisible())
        parent->activateWindow();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

namespace {

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// While an address is handed to the browser, nothing that happens may write it
// anywhere: it can carry what the user typed into a form (names and e-mail
// addresses). The toolkit names the whole address in its warnings when no
// browser starts, so its messages are dropped; a browser launcher started now
// writes its errors to nowhere instead of the program's error output (on Windows
// the desktop opens the address itself and writes nothing there).
class QuietHandOver {
public:
    QuietHandOver() : m_previous(qInstallMessageHandler(dropMessage)) {
#ifdef Q_OS_UNIX
        m_savedError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_savedError >= 0 && nowhere >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
#endif
    }
    ~QuietHandOver() {
#ifdef Q_OS_UNIX
        if (m_savedError >= 0) {
            ::dup2(m_savedError, STDERR_FILENO);
            ::close(m_savedError);
        }
#endif
        qInstallMessageHandler(m_previous);
    }
    QuietHandOver(const QuietHandOver&) = delete;
    QuietHandOver& operator=(const QuietHandOver&) = delete;

private:
    QtMessageHandler m_previous;
    [[maybe_unused]] int m_savedError = -1;
};

} // namespace

bool QtPlatform::openAddress(const QUrl& address) {
    bool opened = false;
    {
        const QuietHandOver quiet;
        opened = QDesktopServices::openUrl(address);
    }
    if (!opened)
        qWarning("Solvanta: could not open a web page: no browser could be started");
    return opened;
}

void QtPlatform::clearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

bool QtPlatform::clipboardHoldsOwnData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && clipboard->ownsClipboard();
}

std::optional<QString> QtPlatform::readSetting(const QString& key) {
    QSettings* store = settings();
    const QVariant value = store ? store->value(key) : QVariant();
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool QtPlatform::writeSetting(const QString& key, const QString& value) {
    QSettings* store = settings();
    if (!store || !store->isWritable())
        return false;
    store->setValue(key, value);
    store->sync();
    return store->status() == QSettings::NoError;
}

void QtPlatform::flushSettings() {
    if (m_settings && settings())
        m_settings->sync();
}

void QtPlatform::seedRandom() {
    m_random.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::randomDraw() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

std::optional<QString> QtPlatform::askSaveFileName(const QString& title,
                                                   const QString& proposedName,
                                                   const QString& filter, QWidget* owner) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(owner ? owner->window() : QApplication::activeWindow(), title,
                       QDir(folder).filePath(proposedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // "sun-1990-07-21" typed without ".png" still saves a PNG picture.
    static const QRegularExpression suffix(QStringLiteral("\\*\\.(\\w+)"));
    if (const QRegularExpressionMatch match = suffix.match(filter); match.hasMatch())
        dialog.setDefaultSuffix(match.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
