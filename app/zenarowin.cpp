// German edition.
int main() { return 0; }
