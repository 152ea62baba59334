// The pages of the main window, each built on the empty page widget the page control gives it.
#pragma once

#include "gui/binder.h"
#include "window_models/main_window.h"

class QWidget;

namespace ruvo::gui {

void BuildAllgemeinPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildTelefonPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildProviderPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildBudgetsPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildWarnungenPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildInfoPage(QWidget* page, MainWindow& model, Binder& binder);

}  // namespace ruvo::gui
