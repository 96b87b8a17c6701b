#include "app/picking_bar.h"

#include <QPushButton>

#include "app/dialog_units.h"
#include "app/ui_text.h"
#include "session/form_session.h"

namespace karvelo {

PickingBar::PickingBar(FormSession& session, QWidget* parent) : QToolBar(parent) {
    SetUiText(this, "windowTitle", KTR("PickingBar", "Пикирование"));
    setObjectName(QStringLiteral("pickingBar"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::BottomToolBarArea);
    setFont(DialogFont());

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    auto* remove = new QPushButton(this);
    SetUiText(remove, "text", KTR("PickingBar", "Удалить точки"));
    auto* save = new QPushButton(this);
    SetUiText(save, "text", KTR("PickingBar", "Сохранить"));
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
