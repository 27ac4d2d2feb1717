// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SheetPresenter.h"

#include <QObject>

namespace tavrin {

class DimmingLayer;

// The sheets of the main window: each one is shown over the dimming layer, which goes when it is answered.
class DimmedSheets : public QObject {
    Q_OBJECT
public:
    DimmedSheets(SheetPresenter &presenter, DimmingLayer &layer, QObject *parent = nullptr);

    /// An alert modal to the main window; answered gets the button, the layer already hidden again.
    void alert(const AlertRequest &request, SheetPresenter::AlertAnswer answered);
    /// The file chooser modal to the main window; chosen gets the path or nothing, the layer already hidden again.
    void chooseFile(const FileChooserRequest &request, SheetPresenter::FileChoice chosen);

    /// True while a sheet waits for its answer.
    bool isSheetOpen() const { return m_open > 0; }
    DimmingLayer &dimmingLayer() const { return m_layer; }

private:
    void dim();
    void undim();

    SheetPresenter &m_presenter;
    DimmingLayer &m_layer;
    int m_open = 0;
};

}  // namespace tavrin
