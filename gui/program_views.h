// Every window of the program as a view, bound to the application's window models. Built once
// after the application, destroyed after the application has stopped notifying.
#pragma once

#include <memory>

#include "gui/binder.h"
#include "program/application.h"

namespace ruvo::gui {

class MainWindowView;
class StartupWindowView;
class CounterWindowView;
class SummaryWindowView;
class RecoveryWindowView;
class AutostartQuestionView;
class BudgetClosureView;
class NewBudgetView;
class TariffNameEditorView;
class TariffTablesWindowView;
class ConnectionListView;
class HolidaysEditorView;

class ProgramViews {
public:
    explicit ProgramViews(Ruvometer& app);
    ~ProgramViews();
    ProgramViews(const ProgramViews&) = delete;
    ProgramViews& operator=(const ProgramViews&) = delete;

    MainWindowView& mainWindow() { return *form1_; }

private:
    std::unique_ptr<StartupWindowView> form2_;
    std::unique_ptr<MainWindowView> form1_;
    std::unique_ptr<SummaryWindowView> form4_;
    std::unique_ptr<AutostartQuestionView> form5_;
    std::unique_ptr<CounterWindowView> form6_;
    std::unique_ptr<TariffNameEditorView> form7_;
    std::unique_ptr<TariffTablesWindowView> form8_;
    std::unique_ptr<NewBudgetView> form9_;
    std::unique_ptr<ConnectionListView> form10_;
    std::unique_ptr<BudgetClosureView> form3_;
    std::unique_ptr<HolidaysEditorView> form13_;
    std::unique_ptr<RecoveryWindowView> form14_;
};

}  // namespace ruvo::gui
