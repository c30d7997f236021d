#pragma once
// The menu strip of the manager window: "ZANRET" > "Visit Shop", and "Repository" > "Reload",
// "Set Repository".

class QMenu;
class QMenuBar;

namespace hostforms
{
class MaxForm;
}

namespace ZANRET
{
class MainWindowMenu
{
public:
    // The shop page that "Visit Shop" opens.
    static constexpr const char* kShopAddress = "https://example.com/shop/";

    MainWindowMenu() = default;
    ~MainWindowMenu();
    MainWindowMenu(const MainWindowMenu&) = delete;
    MainWindowMenu& operator=(const MainWindowMenu&) = delete;

    // Builds the strip along the top edge of the form.
    void Create(hostforms::MaxForm* parent);

    void clicked_shop();
    void clicked_reload();
    void clicked_setPath();

    QMenuBar* MenuStrip() const { return m_menu; }

private:
    QMenuBar* m_menu = nullptr;
    QMenu* m_menu_zanret = nullptr;
    QMenu* m_menu_repo = nullptr;
};
} // namespace ZANRET
