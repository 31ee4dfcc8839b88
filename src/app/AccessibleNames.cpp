#include "app/AccessibleNames.h"

#include "app/ControlTable.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>

namespace ombrana {
namespace {

// Dynamic properties that the interface below reads when it is asked.
constexpr char kSpokenCaption[] = "ombranaSpokenCaption";
constexpr char kAlert[] = "ombranaAlert";

// A label spoken as a result (its name, then its text) or as an alert.
class SpokenLabel : public QAccessibleWidget {
public:
    explicit SpokenLabel(QLabel* label)
        : QAccessibleWidget(label,
                            label->property(kAlert).toBool() ? QAccessible::AlertMessage : QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* label = static_cast<const QLabel*>(widget());
        const QString shown = label->text().simplified();
        const QString caption = label->property(kSpokenCaption).toString();
        if (caption.isEmpty()) return shown;
        return shown.isEmpty() ? caption : caption + QLatin1Char(' ') + shown;
    }
};

QAccessibleInterface* spokenLabelFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (!label || !(label->property(kAlert).toBool() || label->property(kSpokenCaption).isValid())) return nullptr;
    return new SpokenLabel(label);
}

// Installs the factory once, and drops an interface that a screen reader
// may have asked for while the label was being made, before it was marked.
void useSpokenLabel(QLabel* label) {
    static const bool installed = [] {
        QAccessible::installFactory(spokenLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(label))
        if (!dynamic_cast<SpokenLabel*>(old)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
}

}  // namespace

QString spokenName(const QString& caption) {
    static const QRegularExpression picofarad(QStringLiteral("\\bpf\\b"), QRegularExpression::CaseInsensitiveOption);
    QString name = caption;
    name.remove(QLatin1Char('='));
    name.replace(picofarad, QStringLiteral("pF"));
    return name.simplified();
}

void nameControls(const QHash<QString, QWidget*>& made, std::span<const design::Control> rows) {
    for (const design::Control& row : rows) {
        QWidget* w = made.value(QString::fromUtf8(row.name));
        if (row.labelledBy) {
            auto* caption = qobject_cast<QLabel*>(made.value(QString::fromUtf8(row.labelledBy)));
            if (!caption) qFatal("control %s: no caption label %s in the table", row.name, row.labelledBy);
            caption->setBuddy(w);
            const QString name = spokenName(caption->text());
            if (auto* result = qobject_cast<QLabel*>(w))
                nameResult(result, name);
            else
                w->setAccessibleName(name);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setAccessibleName(button->text().simplified());
        }
    }
}

void nameResult(QLabel* result, const QString& name) {
    result->setProperty(kSpokenCaption, name);
    useSpokenLabel(result);
}

void markAsAlert(QLabel* banner) {
    banner->setProperty(kAlert, true);
    useSpokenLabel(banner);
}

void announceAlert(QLabel* banner) {
    QAccessibleEvent event(banner, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

}  // namespace ombrana
