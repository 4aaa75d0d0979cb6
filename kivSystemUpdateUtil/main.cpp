#include <cstdio>

int main(int, char**)
{
    std::puts("usage: kivSystemUpdateUtil [-tp=<path>] [-sp] [-idConnector<n>] [-cloud] [-portrait|-landscape] [-autoinstall] [-s<f>] [-sx<f>] [-sy<f>]");
    return 0;
}
