// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/DimmedSheets.h"

#include "ui/main/DimmingLayer.h"

#include <QPointer>

namespace tavrin {

DimmedSheets::DimmedSheets(SheetPresenter &presenter, DimmingLayer &layer, QObject *parent)
    : QObject(parent), m_presenter(presenter), m_layer(layer)
{
}

void DimmedSheets::dim()
{
    ++m_open;
    m_layer.show();
    m_layer.raise();
}

void DimmedSheets::undim()
{
    if (m_open > 0)
        --m_open;
    if (m_open == 0)
        m_layer.hide();
}

void DimmedSheets::alert(const AlertRequest &request, SheetPresenter::AlertAnswer answered)
{
    dim();
    // The window may be gone before a sheet's answer (the program quits with the sheet up).
    QPointer<DimmedSheets> self(this);
    m_presenter.presentAlert(m_layer.window(), request, [self, answered = std::move(answered)](int button) {
        if (!self)
            return;
        self->undim();
        if (answered)
            answered(button);
    });
}

void DimmedSheets::chooseFile(const FileChooserRequest &request, SheetPresenter::FileChoice chosen)
{
    dim();
    QPointer<DimmedSheets> self(this);
    m_presenter.presentFileChooser(m_layer.window(), request,
                                   [self, chosen = std::move(chosen)](std::optional<QString> path) {
                                       if (!self)
                                           return;
                                       self->undim();
                                       if (chosen)
                                           chosen(std::move(path));
                                   });
}

}  // namespace tavrin
