// The "Information" page: the computer's name, the dial-up networking
// version, and while a carrier is up the connection's figures. Refreshed
// after every paint of the lamp display while the dialog shows, and when
// the dialog loads its controls.
#pragma once

#include <array>
#include <string>

#include "setup/page_model.h"

namespace setup {

inline constexpr char ComputerNameKey[] = "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName";
inline constexpr char RemoteAccessKey[] = "System\\CurrentControlSet\\Services\\RemoteAccess";

class InformationPageModel final : public PageModel {
public:
    using PageModel::PageModel;
    void Fill() override { Information(); }

    void Information();

    // The rows of the group " Connection ", in the page's order.
    enum Row {
        BytesIn, BytesOut, Speed, RatioIn, RatioOut,
        AlignmentErrors, BufferOverrunErrors, CrcErrors, FramingErrors, HardwareOverrun, TimeoutErrors,
        ServerIp, ClientIp, DialedNumber, RasStatus,
        RowCount
    };

private:
    void SetValue(Row row, const std::string& text);
    void SetCount(Row row, uint32_t count) { SetValue(row, std::to_string(count)); }
    void HideRow(Row row) { rowShown_[row] = false; }
    // The rows and the group as the view shows them: a row shows while it
    // and its group do.
    void ShowRows();
    void SetLabel(int id, std::string& shown, const std::string& text);

    std::array<bool, RowCount> rowShown_ = Shown();
    std::array<bool, RowCount> viewShown_ = Shown(); // as the template creates them
    bool groupShown_ = true, groupViewShown_ = true;
    bool rasVersionShown_ = true;
    std::array<std::string, RowCount> values_;
    std::string computerName_, rasVersion_;

    static std::array<bool, RowCount> Shown()
    {
        std::array<bool, RowCount> all;
        all.fill(true);
        return all;
    }
};

} // namespace setup
