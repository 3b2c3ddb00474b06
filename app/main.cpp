#include <cstdio>

int main()
{
    std::puts("Tessera");
    return 0;
}
