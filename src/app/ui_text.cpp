#include "app/ui_text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QObject>
#include <QVariant>

#include "profile/source_traces.h"

namespace karvelo {

namespace {

// Dynamic properties holding an object's texts: for property P, "karvelo_ui_P" holds
// "context\nsource".
QByteArray KeyFor(const char* property) {
    return QByteArray("karvelo_ui_") + property;
}

// A combo box's item N keeps its text under "karvelo_ui_item_N".
constexpr char kItemKey[] = "karvelo_ui_item_";

void Apply(QObject* object) {
    for (const QByteArray& key : object->dynamicPropertyNames()) {
        if (!key.startsWith("karvelo_ui_")) {
            continue;
        }
        const QByteArray stored = object->property(key.constData()).toByteArray();
        const qsizetype split = stored.indexOf('\n');
        const QByteArray context = stored.left(split);
        const QByteArray source = stored.mid(split + 1);
        const QString text = QCoreApplication::translate(context.constData(), source.constData());
        auto* combo = qobject_cast<QComboBox*>(object);
        if (combo != nullptr && key.startsWith(kItemKey)) {
            combo->setItemText(key.mid(static_cast<qsizetype>(sizeof kItemKey - 1)).toInt(), text);
            continue;
        }
        const QByteArray property = key.mid(static_cast<qsizetype>(sizeof "karvelo_ui_" - 1));
        object->setProperty(property.constData(), text);
    }
    // A one-line static grows to the right when its new text is wider, as when made.
    auto* label = qobject_cast<QLabel*>(object);
    if (label != nullptr && !label->wordWrap() && label->sizeHint().width() > label->width()) {
        label->resize(label->sizeHint().width(), label->height());
    }
}

}  // namespace

QString Translate(UiText text) {
    return QCoreApplication::translate(text.Context, text.Source);
}

QString WithFieldNames(const std::string& text) {
    // The open dialog's label of the sample interval.
    return QString::fromStdString(text).replace(
        QString::fromUtf8(kIntervalFieldName),
        QCoreApplication::translate("OpenProfileDialog", kIntervalFieldName));
}

void SetUiText(QObject* object, const char* property, UiText text) {
    object->setProperty(KeyFor(property).constData(),
                        QByteArray(text.Context) + '\n' + QByteArray(text.Source));
    object->setProperty(property, Translate(text));
}

void SetUiItemText(QComboBox* combo, int index, UiText text) {
    combo->setProperty(QByteArray(kItemKey + QByteArray::number(index)).constData(),
                       QByteArray(text.Context) + '\n' + QByteArray(text.Source));
    combo->setItemText(index, Translate(text));
}

void RetranslateTree(QObject* root) {
    Apply(root);
    for (QObject* child : root->findChildren<QObject*>()) {
        Apply(child);
    }
}

}  // namespace karvelo
