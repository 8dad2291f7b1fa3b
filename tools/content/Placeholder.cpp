namespace qvx {}
