# Unit tests of the country family.
