// The connection summary (Form4). It holds the pending record of the running connection from its
// start until it is saved: the monitor and the live counter fill it, the save takes it from here.
#pragma once

#include <functional>

#include "domain/connection_record.h"
#include "window_models/window_model.h"

namespace ruvo {

class SummaryWindow final : public WindowModel {
public:
    SummaryWindow() : WindowModel("Form4", "Verbindungszusammenfassung") {
        ok.onClick = [this] {
            if (onConfirm) {
                onConfirm();
            }
        };
    }

    // The record being built. Each field is written only by its own setter below.
    ConnectionRecord pending;

    void setStart(const std::string& time, const std::string& date) {
        pending.startTime = time;
        pending.startDate = date;
    }
    void setCharges(const std::string& telephone, const std::string& provider,
                    const std::string& total) {
        pending.telephoneCharge = telephone;
        pending.providerCharge = provider;
        pending.totalCharge = total;
    }
    void setEnd(const std::string& time, const std::string& date) {
        pending.endTime = time;
        pending.endDate = date;
    }

    // Display texts.
    TextField durationText{*this, "Label3", "00:00:00"};
    TextField unitsText{*this, "Label5", ""};
    TextField telephoneText{*this, "Label7", "00,00 DM"};
    TextField providerText{*this, "Label9", "00,00 DM"};
    TextField totalText{*this, "Label11", "00,00 DM"};
    // Empty, or why the connection was counted without a tariff.
    TextField tariffNote{*this, "TariffNote", ""};

    CheckBox saveConnection{*this, "CheckBox1", "Verbindung speichern", true};
    Button ok{*this, "Button1", "&Ok"};  // the save

    // The save, run by "&Ok" and by the monitor directly.
    std::function<void()> onConfirm;
};

}  // namespace ruvo
