// The empty program: the start-up time subtracted from every C++ workload.
int main() { return 0; }
