// make-contacts-db PATH: creates an empty Pelmora database at PATH, never over a file.
#include "ContactsFile.h"

#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make-contacts-db PATH\n";
        return 2;
    }
    const std::string failure = CreateContactsFile(argv[1]);
    if (!failure.empty()) {
        std::cerr << "make-contacts-db: " << failure << '\n';
        return 1;
    }
    return 0;
}
