#include <cstdio>

int main()
{
    std::puts("Vantrel: the main window is not there yet.");
    return 0;
}
