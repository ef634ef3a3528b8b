#pragma once

namespace ledgerleaf {

struct DeskControls;
struct DeskServices;

// The padlock pictures: which one shows, and the two flows behind them — protecting an
// unprotected diary (open padlock) and changing or removing the password (closed padlock).
// The typed passwords live only while a flow runs.
class PasswordFlows {
  public:
    PasswordFlows(DeskControls& controls, DeskServices& services);

    // At desk set-up: the closed padlock when the diary was protected at start, else the open one.
    void show_protection_icon();
    // Double-click on the open padlock.
    void encrypt_database();
    // Double-click on the closed padlock.
    void change_password();

  private:
    void showLocked(bool locked);

    DeskControls& c_;
    DeskServices& services_;
};

}  // namespace ledgerleaf
