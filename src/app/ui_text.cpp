#include "app/ui_text.h"

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

void Apply(QObject* object) {
    for (const QByteArray& key : object->dynamicPropertyNames()) {
        if (!key.startsWith("karvelo_ui_")) {
            continue;
        }
        const QByteArray stored = object->property(key.constData()).toByteArray();
        const qsizetype split = stored.indexOf('\n');
        const QByteArray context = stored.left(split);
        const QByteArray source = stored.mid(split + 1);
        const QByteArray property = key.mid(static_cast<qsizetype>(sizeof "karvelo_ui_" - 1));
        object->setProperty(property.constData(),
                            QCoreApplication::translate(context.constData(), source.constData()));
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

void RetranslateTree(QObject* root) {
    Apply(root);
    for (QObject* child : root->findChildren<QObject*>()) {
        Apply(child);
    }
}

}  // namespace karvelo
