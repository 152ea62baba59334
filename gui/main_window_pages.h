// The pages of the main window, each built on the empty page widget the page control gives it.
#pragma once

#include "gui/binder.h"
#include "window_models/main_window.h"

class QWidget;

namespace ruvo::gui {

void BuildGeneralPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildTelephonePage(QWidget* page, MainWindow& model, Binder& binder);
void BuildProviderPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildBudgetsPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildWarningsPage(QWidget* page, MainWindow& model, Binder& binder);
void BuildInfoPage(QWidget* page, MainWindow& model, Binder& binder);

}  // namespace ruvo::gui
