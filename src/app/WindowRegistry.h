#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace ombrana {

// Every window of the program exists at most once, under its name. Opening
// creates it from its design and shows it, or brings the open one to the
// front as it is; closing discards it with everything typed in it.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;

    static WindowRegistry& instance();

    void registerWindow(const QString& name, Factory factory);
    bool isRegistered(const QString& name) const;
    // Every registered window name, in the order of registration.
    const QStringList& names() const { return m_names; }

    // Returns the window, or nullptr when no window of that name is known
    // (or it could not be created).
    QWidget* open(const QString& name);
    void close(const QString& name);
    QWidget* find(const QString& name) const;
    bool isOpen(const QString& name) const { return find(name) != nullptr; }
    QStringList openNames() const;

    // Closes every open window; used when a test ends.
    void closeAll();

signals:
    void windowOpened(const QString& name);
    void windowClosed(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, Factory> m_factories;
    QStringList m_names;
    QHash<QString, QPointer<QWidget>> m_open;
};

inline WindowRegistry& finestre() {
    return WindowRegistry::instance();
}

}  // namespace ombrana
