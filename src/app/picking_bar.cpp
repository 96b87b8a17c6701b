#include "app/picking_bar.h"

#include <QPushButton>

#include "app/dialog_units.h"
#include "session/form_session.h"

namespace karvelo {

PickingBar::PickingBar(FormSession& session, QWidget* parent)
    : QToolBar(QString::fromUtf8("Пикирование"), parent) {
    setObjectName(QStringLiteral("pickingBar"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::BottomToolBarArea);
    setFont(DialogFont());

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* remove = new QPushButton(QString::fromUtf8("Удалить точки"), this);
    auto* save = new QPushButton(QString::fromUtf8("Сохранить"), this);
    for (QPushButton* button : {ok, remove, save}) {
        button->setAutoDefault(false);
        addWidget(button);
    }
    connect(ok, &QPushButton::clicked, this, [&session] { session.OnPickOk(); });
    connect(remove, &QPushButton::clicked, this, [&session] { session.OnDeletePicks(); });
    connect(save, &QPushButton::clicked, this, [&session] { session.OnSavePicks(); });
    hide();
}

}  // namespace karvelo
