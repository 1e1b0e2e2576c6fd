#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

namespace norvel {

// Code sets an option as a click would: the option's own reaction runs, even when the option
// was already the selected one.
inline void select(QRadioButton *option)
{
    if (option->isChecked())
        Q_EMIT option->toggled(true);
    else
        option->setChecked(true);
}

// Leaves neither option of a pair selected, which an exclusive group would not allow.
inline void deselectBoth(QRadioButton *const pair[2])
{
    QButtonGroup *group = pair[0]->group();
    if (group)
        group->setExclusive(false);
    pair[0]->setChecked(false);
    pair[1]->setChecked(false);
    if (group)
        group->setExclusive(true);
}

// Runs the reaction when one option of a pair becomes selected, with its index.
template <class F> void onSelected(QRadioButton *pair[2], QObject *context, F reaction)
{
    for (int k = 0; k < 2; ++k)
        QObject::connect(pair[k], &QRadioButton::toggled, context, [k, reaction](bool on) {
            if (on)
                reaction(k);
        });
}

} // namespace norvel
