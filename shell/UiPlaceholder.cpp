// Keeps the window library non-empty until the first window lands.
namespace tarabead::ui {
int UiLibraryVersion() { return 1; }
}
